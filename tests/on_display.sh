#!/usr/bin/env bash
# Runs a command on a real window system of its own and reports its exit status:
#   on_display.sh x11 COMMAND...      Xvfb with the openbox window manager
#   on_display.sh x11-bare COMMAND... Xvfb alone: no window manager frames or places windows
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

# Polls until a command succeeds, for as long as the server it waits on runs and at most 30 s;
# otherwise says what it waited for, shows the server's log and fails.
#   wait_until WHAT LOG PID COMMAND...
wait_until() {
    local what=$1 log=$2 pid=$3
    shift 3
    local deadline=$((SECONDS + 30))
    until "$@" >/dev/null 2>&1; do
        if ! kill -0 "$pid" 2>/dev/null; then
            cat "$log" >&2
            echo "on_display.sh: the server ended while waiting for $what (its log is above)" >&2
            exit 1
        fi
        if [ "$SECONDS" -ge "$deadline" ]; then
            cat "$log" >&2
            echo "on_display.sh: gave up after 30 s waiting for $what (its log is above); is" \
                "the machine overloaded?" >&2
            exit 1
        fi
        sleep 0.05
    done
}

# Whether a window manager manages the screen as EWMH says it announces it: the root names a
# check window that names itself, and the root lists what the manager supports. Openbox sets
# these once it holds the screen (WM_S0) and redirects the mapping of windows to itself, so every
# window mapped from then on is framed by it.
window_manager_ready() {
    local check self
    check=$(xprop -root -notype 32x ' $0\n' _NET_SUPPORTING_WM_CHECK) || return 1
    check=${check#* }
    [[ $check == 0x* ]] || return 1
    self=$(xprop -id "$check" -notype 32x ' $0\n' _NET_SUPPORTING_WM_CHECK) || return 1
    [ "${self#* }" = "$check" ] || return 1
    xprop -root -notype _NET_SUPPORTED | grep -q _NET_FRAME_EXTENTS
}

chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime
unset QT_QPA_PLATFORM QT_SCALE_FACTOR

case "$kind" in
x11 | x11-bare)
    # -noreset: by default the server resets when its last client leaves, and a client that
    # connects meanwhile is refused; the probe below would leave openbox to connect just then.
    xvfb=(-screen 0 1280x800x24 -nolisten tcp -noreset)
    if [ -n "${ZF_TEST_DISPLAY:-}" ]; then
        Xvfb "$ZF_TEST_DISPLAY" "${xvfb[@]}" >"$runtime/xvfb.log" 2>&1 &
        pids+=($!)
        display=$ZF_TEST_DISPLAY
    else
        # Xvfb writes its display's number here once it takes connections.
        exec 3>"$runtime/display"
        Xvfb -displayfd 3 "${xvfb[@]}" >"$runtime/xvfb.log" 2>&1 &
        pids+=($!)
        exec 3>&-
        wait_until "Xvfb to name its display" "$runtime/xvfb.log" "${pids[-1]}" \
            test -s "$runtime/display"
        display=:$(head -n1 "$runtime/display")
    fi
    export DISPLAY=$display
    wait_until "Xvfb to take connections on $DISPLAY" "$runtime/xvfb.log" "${pids[-1]}" \
        xdpyinfo
    export QT_QPA_PLATFORM=xcb ZF_XSERVER_PID=${pids[0]}
    if [ "$kind" = x11 ]; then
        openbox >"$runtime/openbox.log" 2>&1 &
        pids+=($!)
        # A window mapped before the window manager manages the screen stays unframed, or is
        # framed late and where it was; one mapped while openbox starts may never be shown.
        wait_until "openbox to manage the screen" "$runtime/openbox.log" "${pids[-1]}" \
            window_manager_ready
        export ZF_WINDOW_MANAGER=openbox
    fi
    ;;
wayland)
    socket=${ZF_TEST_WAYLAND_SOCKET:-zf-wl-$$}
    weston --backend=headless-backend.so --socket="$socket" --idle-time=0 \
        >"$runtime/weston.log" 2>&1 &
    pids+=($!)
    wait_until "Weston to open its socket" "$runtime/weston.log" "${pids[-1]}" \
        test -S "$runtime/$socket"
    export WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland
    unset DISPLAY
    # Under the sanitizers: walk whole stacks, through the graphics driver's frames that have no
    # frame pointers, so that scripts/lsan.supp can name the toolkit's call that leaks in Mesa.
    [ -z "${ASAN_OPTIONS:-}" ] || export ASAN_OPTIONS="$ASAN_OPTIONS:fast_unwind_on_malloc=0"
    ;;
*)
    echo "usage: on_display.sh x11|x11-bare|wayland COMMAND..." >&2
    exit 2
    ;;
esac
"$@"
