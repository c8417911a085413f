# Sourced by the start-up and package tests, which set `work` (a scratch
# folder), VERSION and SHIPPED (the names of the shipped files).

# first_start FOLDER PROGRAM [ARGUMENT]...: starts PROGRAM headless, waits (at
# most 60 s) until FOLDER holds every shipped file, then stops it. Fails when
# they never come or the program ends by itself.
first_start() {
    local folder=$1
    shift
    QT_QPA_PLATFORM=offscreen "$@" >"$work/first-start.log" 2>&1 &
    local pid=$!
    local waited=0
    while :; do
        local ready=1
        for name in "${SHIPPED[@]}"; do
            [ -f "$folder/$name" ] || ready=0
        done
        [ $ready = 1 ] && break
        if ! kill -0 $pid 2>/dev/null; then
            echo "FAIL: the program ended before filling $folder"
            cat "$work/first-start.log"
            return 1
        fi
        if [ $waited -ge 600 ]; then
            kill $pid
            echo "FAIL: $folder was not filled within 60 s: $(ls -A "$folder" 2>&1 | tr '\n' ' ')"
            return 1
        fi
        sleep 0.1
        waited=$((waited + 1))
    done
    kill $pid
    wait $pid 2>/dev/null || true
}

# check_version PROGRAM: `PROGRAM --version` answers without any display.
check_version() {
    local answer
    answer=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" --version 2>&1) || {
        echo "FAIL: $1 --version failed: $answer"
        return 1
    }
    if [ "$answer" != "Zampora $VERSION" ]; then
        echo "FAIL: $1 --version said '$answer', not 'Zampora $VERSION'"
        return 1
    fi
    echo "ok: $1 --version says '$answer'"
}
