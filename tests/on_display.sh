#!/usr/bin/env bash
# Runs a command on a real window system of its own and reports its exit status:
#   on_display.sh x11 COMMAND...      Xvfb with the openbox window manager
#   on_display.sh wayland COMMAND...  a headless Weston compositor, the program on Qt's wayland
# ZF_TEST_DISPLAY (say :91) and ZF_TEST_WAYLAND_SOCKET pick fixed names; by default Xvfb takes
# the first free display and Weston a socket named after this process.
set -euo pipefail
kind=$1
shift
pids=()
runtime=$(mktemp -d)
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$runtime"
}
trap cleanup EXIT
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime
unset QT_QPA_PLATFORM QT_SCALE_FACTOR

case "$kind" in
x11)
    if [ -n "${ZF_TEST_DISPLAY:-}" ]; then
        Xvfb "$ZF_TEST_DISPLAY" -screen 0 1280x800x24 -nolisten tcp >"$runtime/xvfb.log" 2>&1 &
        pids+=($!)
        display=$ZF_TEST_DISPLAY
    else
        exec 3>"$runtime/display"
        Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >"$runtime/xvfb.log" 2>&1 &
        pids+=($!)
        for _ in $(seq 100); do [ -s "$runtime/display" ] && break; sleep 0.1; done
        display=:$(head -n1 "$runtime/display")
    fi
    export DISPLAY=$display
    for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    openbox >"$runtime/openbox.log" 2>&1 &
    pids+=($!)
    sleep 1
    export QT_QPA_PLATFORM=xcb
    ;;
wayland)
    socket=${ZF_TEST_WAYLAND_SOCKET:-zf-wl-$$}
    weston --backend=headless-backend.so --socket="$socket" --idle-time=0 \
        >"$runtime/weston.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do [ -S "$runtime/$socket" ] && break; sleep 0.1; done
    [ -S "$runtime/$socket" ] || { cat "$runtime/weston.log" >&2; exit 1; }
    export WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland
    unset DISPLAY
    # Under the sanitizers: walk whole stacks, through the graphics driver's frames that have no
    # frame pointers, so that scripts/lsan.supp can name the toolkit's call that leaks in Mesa.
    [ -z "${ASAN_OPTIONS:-}" ] || export ASAN_OPTIONS="$ASAN_OPTIONS:fast_unwind_on_malloc=0"
    ;;
*)
    echo "usage: on_display.sh x11|wayland COMMAND..." >&2
    exit 2
    ;;
esac
"$@"
