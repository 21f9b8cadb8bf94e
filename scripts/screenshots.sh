#!/usr/bin/env bash
# Takes the documentation's screenshots again (docs/*.png) in a virtual X display of the
# smallest screen the program is made for. Run after ./scripts/test.sh has built.
set -euo pipefail
cd "$(dirname "$0")/.."
xvfb-run -a -s "-screen 0 1366x768x24" build-test/tests/doc_screenshots docs
