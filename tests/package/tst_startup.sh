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

# A program copied on its own, without the installed templates, takes them
# from beside itself.
portable=$work/copiato
mkdir -p "$portable"
cp "$program" "$portable/"
for name in "${SHIPPED[@]}"; do cp "$templates/$name" "$portable/"; done
folder=$work/portatile
first_start "$folder" "$portable/$(basename "$program")" --cartella "$folder"
echo "ok: a copied program filled a new folder from beside itself"

# A folder with data whose settings file was deleted gets the manual and the
# sound again, but never the initial password.
folder=$work/con_dati
mkdir -p "$folder"
printf 'x' >"$folder/Proprietari.pro"
QT_QPA_PLATFORM=offscreen "$program" --cartella "$folder" >"$work/closed.log" 2>&1 &
pid=$!
for _ in $(seq 600); do [ -f "$folder/Guida.pdf" ] && break; sleep 0.1; done
kill $pid
wait $pid 2>/dev/null || true
[ -f "$folder/Guida.pdf" ] || { echo "FAIL: the manual was not copied"; exit 1; }
[ ! -e "$folder/unins000.dll" ] || { echo "FAIL: a folder with data got the initial settings file"; exit 1; }
echo "ok: a folder with data and no settings file stays closed"
echo "4 passed, 0 failed"
