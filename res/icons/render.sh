#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the hicolor PNG sizes of the application icon from its SVG. Run it
# by hand after changing the SVG and commit the PNGs; builds only install them.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -eu
cd "$(dirname "$0")"
for size in 16 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" io.github.zyl.ZYL.svg -o "zyl-$size.png"
done
