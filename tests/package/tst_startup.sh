#!/usr/bin/env bash
# The program as built: --version answers without a display, and a start on a
# new folder named with --cartella fills it from the shipped templates.
#   tst_startup.sh PROGRAM VERSION TEMPLATE-DIR SHIPPED-NAMES(;-separated)
set -euo pipefail
program=$1
VERSION=$2
templates=$3
IFS=';' read -r -a SHIPPED <<<"$4"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. "$(dirname "$0")/firststart.sh"

check_version "$program"

folder=$work/nuova/cartella
first_start "$folder" "$program" --cartella "$folder"
for name in "${SHIPPED[@]}"; do
    cmp "$templates/$name" "$folder/$name" || { echo "FAIL: $name differs from its template"; exit 1; }
done
echo "ok: a start on a new folder copied ${SHIPPED[*]} into it"
echo "2 passed, 0 failed"
