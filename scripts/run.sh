#!/usr/bin/env bash
# Installs what is missing, builds the program alone (not the tests) and
# starts it. The program folder is the executable's folder (build/bin), ready
# to use; extra arguments go to the program, e.g. --cartella DIR.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh --target zampora
exec "${ZAMPORA_BUILD_DIR:-build}/bin/zampora" "$@"
