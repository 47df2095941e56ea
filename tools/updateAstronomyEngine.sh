#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Replaces third_party/astronomy with a release of Astronomy Engine's C version, by its tag (for example v2.1.19),
# and records the release and its commit. Run from the top of the source tree; the build never downloads anything.
set -euo pipefail
tag=${1:?usage: $0 TAG}
base=https://raw.githubusercontent.com/cosinekitty/astronomy/$tag
folder=third_party/astronomy
for file in source/c/astronomy.c source/c/astronomy.h LICENSE; do
    curl -fsSL "$base/$file" -o "$folder/$(basename "$file")"
done
commit=$(git ls-remote https://github.com/cosinekitty/astronomy "refs/tags/$tag^{}" "refs/tags/$tag" | head -1 | cut -f1)
sed -i "s/^- Version: .*/- Version: $tag (commit $commit)/" "$folder/README.md"
sed -i "s/updateAstronomyEngine.sh v[0-9.]*/updateAstronomyEngine.sh $tag/" "$folder/README.md"
echo "Astronomy Engine $tag ($commit) in $folder; build and run the tests before committing."
