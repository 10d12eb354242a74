#!/usr/bin/env bash
# The test command: installs what is missing, builds both builds and runs every test
# under Wine in a fresh prefix (made by the test run itself).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
ctest --preset x86_64 "$@"
