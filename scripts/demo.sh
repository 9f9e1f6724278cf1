#!/usr/bin/env bash
# Sets up a fresh machine, builds, and shows the command-line tool's usage.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh
cmake --preset default >/dev/null
cmake --build --preset default
build/default/bin/transtavora --help
