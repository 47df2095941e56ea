// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the assets library non-empty; the pictures are linked in as Qt resources.
namespace dorvane_assets {
int anchor = 0;
}
