#!/usr/bin/env bash
# Regenerates the pictures of the run folder from their Graphviz sources:
#   data/diagrams/simulator-logo.dot     -> data/run/simulator-logo.gif
#   data/diagrams/simulator-network.dot  -> data/run/simulator-network.gif (router simulator)
#   data/diagrams/labNN.dot              -> data/run/diagrams/labNN.gif    (one per exercise)
# Every source places each shape and text itself (neato -n: positions in points) and sets its
# canvas (viewport and dpi) to the pixel size of the box that shows it, so that the picture is
# shown at its own size. Before a picture is written, check_layout.gvpr refuses a layout in
# which a line crosses a text or a device, two shapes or texts overlap, or anything leaves the
# canvas. The GIFs are committed; run this after changing a source. Needs graphviz; the
# sources name the DejaVu fonts, which come with it on Debian.
set -euo pipefail
cd "$(dirname "$0")/../.."

src=data/diagrams
out=data/run
check=tools/content/check_layout.gvpr
mkdir -p "$out/diagrams"

# draw SOURCE PICTURE: checks the layout of SOURCE, then writes PICTURE.
draw() {
  neato -n -Tdot "$1" | gvpr -f "$check"
  neato -n -Tgif "$1" -o "$2"
}

draw "$src/simulator-logo.dot" "$out/simulator-logo.gif"
draw "$src/simulator-network.dot" "$out/simulator-network.gif"
for f in "$src"/lab*.dot; do
  draw "$f" "$out/diagrams/$(basename "$f" .dot).gif"
done
echo "pictures written to $out"
