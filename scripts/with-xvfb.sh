#!/usr/bin/env bash
# Runs a command on a private X display from xvfb-run, so that the tests
# needing one really run, away from any desktop; without xvfb-run, runs it as
# it is (those tests then skip or start their own Xvfb).
set -euo pipefail
if ! command -v xvfb-run >/dev/null; then
  exec "$@"
fi
# -noreset: the server would otherwise reset whenever its last client leaves,
# refusing connections for a moment, between one test and the next.
exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$@"
