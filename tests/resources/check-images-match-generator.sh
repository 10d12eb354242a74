#!/usr/bin/env bash
# The committed images are what the generator draws: regenerate them and compare.
set -euo pipefail
source_dir=${1:?usage: check-images-match-generator.sh <source dir>}
if ! command -v python3 >/dev/null; then
  echo "python3 is not installed: cannot regenerate the images"
  exit 77
fi
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
python3 "$source_dir/tools/imagegen/make_images.py" "$out"
for image in setup.ico side.bmp copy.avi; do
  cmp "$out/$image" "$source_dir/src/resources/images/$image"
  echo "ok: $image is the generator's output"
done
