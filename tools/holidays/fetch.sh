#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Brings the pinned release of the date-holidays data set into a folder, for tools/holidays/generate.py. Run by a
# developer by hand; the build never downloads anything.
# Usage: tools/holidays/fetch.sh <folder>   (then: /usr/bin/python3 tools/holidays/generate.py --source <folder>
#        --out assets/holidays). The data set's repository at the release's tag (which also holds the test fixtures
#        for generate.py --check) is the same content: github.com/commenthol/date-holidays, tag v3.35.0, commit
#        9e1b5adbbe1e313b9a53ea6dff80c268f85b7322.
set -euo pipefail
version=3.35.0
folder=${1:?usage: fetch.sh <folder>}
mkdir -p "$folder"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && npm pack --silent "date-holidays@$version" >/dev/null)
tar -xzf "$work/date-holidays-$version.tgz" -C "$folder" --strip-components=1 package/package.json package/data package/LICENSE
echo "date-holidays $version in $folder"
