#!/usr/bin/env bash
# Installs what is missing, builds and starts Zampora. The program folder is
# the executable's folder (build/bin), ready to use; extra arguments go to the
# program, e.g. --cartella DIR.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
exec build/bin/zampora "$@"
