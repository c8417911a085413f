#!/usr/bin/env bash
# The first window against a bare Qt window's: each program is started under
# a fresh Xvfb display and the clock stops when its window is mapped
# (polled with xwininfo). Prints each median of RUNS starts, taken in turns,
# and the ratio. Given the sample_kennel program, it also starts the program on
# the folder of a kennel of 200 dogs, and on the same kennel with ten health
# booklet entries for each dog, and prints those medians and their ratio.
#   first_window.sh ZAMPORA BARE_WINDOW [RUNS [SAMPLE_KENNEL]]
set -euo pipefail
zampora=$1
bare=$2
runs=${3:-9}
sample_kennel=${4:-}
kennel_dogs=200
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null && wait $xvfb; rm -rf "$work"' EXIT

# Xvfb picks a free display itself and says which once it is ready; it must
# not reset between two programs, when it would refuse the next one.
exec {ready}<> <(:)
Xvfb -displayfd "$ready" -noreset -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
read -r -u "$ready" number
display=:$number

# time_to_window TITLE COMMAND...: milliseconds from the start until a window
# of that title is viewable.
time_to_window() {
    local title=$1
    shift
    local start end pid
    start=$(date +%s%N)
    DISPLAY=$display "$@" >/dev/null 2>&1 &
    pid=$!
    until xwininfo -display "$display" -name "$title" 2>/dev/null | grep -q IsViewable; do
        kill -0 $pid 2>/dev/null || { echo "$* ended before showing its window" >&2; exit 1; }
        sleep 0.002
    done
    end=$(date +%s%N)
    kill $pid
    wait $pid 2>/dev/null || true
    echo $(((end - start) / 1000000))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

ratio() { awk "BEGIN { printf \"%.2f\", $1 / $2 }"; }

# A ready program folder, as a user's first start finds it; with the sample
# kennel, two more: its dogs, and its dogs with their booklets.
folder=$work/cartella
"$zampora" --cartella "$folder" --version >/dev/null
folders=(cartella)
if [ -n "$sample_kennel" ]; then
    for name in canile canile_libretti; do
        "$zampora" --cartella "$work/$name" --version >/dev/null
        folders+=("$name")
    done
    "$sample_kennel" "$work/canile" "$kennel_dogs"
    "$sample_kennel" "$work/canile_libretti" "$kennel_dogs" --libretti
fi
# Taken in turns, so that whatever else the machine does weighs on all alike.
for _ in $(seq "$runs"); do
    time_to_window "Finestra vuota" "$bare" >>"$work/bare"
    for name in "${folders[@]}"; do
        time_to_window " Zampora - Autenticazione" "$zampora" --cartella "$work/$name" >>"$work/$name.ms"
    done
done
bare_ms=$(median <"$work/bare")
zampora_ms=$(median <"$work/cartella.ms")
echo "bare_window_ms=$bare_ms first_window_ms=$zampora_ms ratio=$(ratio "$zampora_ms" "$bare_ms")"
if [ -n "$sample_kennel" ]; then
    kennel_ms=$(median <"$work/canile.ms")
    booklets_ms=$(median <"$work/canile_libretti.ms")
    echo "kennel_dogs=$kennel_dogs kennel_ms=$kennel_ms kennel_with_booklets_ms=$booklets_ms" \
        "booklets_ratio=$(ratio "$booklets_ms" "$kennel_ms")"
fi
