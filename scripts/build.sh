#!/usr/bin/env bash
# Builds both builds of the same sources: i686, the shipped product, and x86_64, its
# twin that runs under Wine with the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
for preset in i686 x86_64; do
  echo "[build] $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
