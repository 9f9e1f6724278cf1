#!/usr/bin/env bash
# Sets up a fresh machine, builds the default preset and runs the whole test
# suite, the tests that need an X display included.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh
cmake --preset default
cmake --build --preset default
scripts/with-xvfb.sh ctest --preset default
