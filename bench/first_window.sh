#!/usr/bin/env bash
# The first window against a bare Qt window's: each program is started under
# a fresh Xvfb display and the clock stops when its window is mapped
# (polled with xwininfo). Prints each median of RUNS starts, taken in turns,
# and the ratio.
#   first_window.sh ZAMPORA BARE_WINDOW [RUNS]
set -euo pipefail
zampora=$1
bare=$2
runs=${3:-9}
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

# A ready program folder, as a user's first start finds it.
folder=$work/cartella
"$zampora" --cartella "$folder" --version >/dev/null
# Taken in turns, so that whatever else the machine does weighs on both alike.
for _ in $(seq "$runs"); do
    time_to_window "Finestra vuota" "$bare" >>"$work/bare"
    time_to_window " Zampora - Autenticazione" "$zampora" --cartella "$folder" >>"$work/zampora"
done
bare_ms=$(median <"$work/bare")
zampora_ms=$(median <"$work/zampora")
echo "bare_window_ms=$bare_ms first_window_ms=$zampora_ms ratio=$(awk "BEGIN { printf \"%.2f\", $zampora_ms / $bare_ms }")"
