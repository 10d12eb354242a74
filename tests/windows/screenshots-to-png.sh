#!/usr/bin/env bash
# Turns the screenshots a test saved as BMP into PNG files beside them.
set -euo pipefail
folder=${1:?usage: screenshots-to-png.sh <folder>}
shopt -s nullglob
images=("$folder"/*.bmp)
[ ${#images[@]} -gt 0 ] || { echo "no screenshots in $folder" >&2; exit 1; }
for image in "${images[@]}"; do
  convert "$image" "${image%.bmp}.png"
  rm -f "$image"
done
echo "${#images[@]} screenshots in $folder"
