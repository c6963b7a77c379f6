#!/usr/bin/env bash
# Regenerates the pictures of the run folder from their Graphviz sources:
#   data/diagrams/simulator-logo.dot     -> data/run/simulator-logo.gif
#   data/diagrams/simulator-network.dot  -> data/run/simulator-network.gif (router simulator)
#   data/diagrams/labNN.dot              -> data/run/diagrams/labNN.gif    (one per exercise)
# The GIFs are committed; run this after changing a source. Needs graphviz (dot).
set -euo pipefail
cd "$(dirname "$0")/../.."

src=data/diagrams
out=data/run
mkdir -p "$out/diagrams"

dot -Tgif -Gdpi=80 "$src/simulator-logo.dot" -o "$out/simulator-logo.gif"
dot -Tgif -Gdpi=80 "$src/simulator-network.dot" -o "$out/simulator-network.gif"
for f in "$src"/lab*.dot; do
  name=$(basename "$f" .dot)
  dot -Tgif -Gdpi=80 "$f" -o "$out/diagrams/$name.gif"
done
echo "pictures written to $out"
