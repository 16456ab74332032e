# shellcheck shell=bash
# Starts a private Xvfb on a free display number and exports DISPLAY for it,
# and a private runtime folder (mode 0700) as XDG_RUNTIME_DIR, without which
# Qt warns on every start. Source this file, call start_xvfb, and stop_xvfb
# when done, from an EXIT trap so that a failure cleans up too. XVFB_SCREEN
# sets the screen size and depth (default 1280x1024x24).

start_xvfb() {
    local number
    for number in $(seq 90 140); do
        [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ] && continue
        Xvfb ":$number" -screen 0 "${XVFB_SCREEN:-1280x1024x24}" -nolisten tcp >/dev/null 2>&1 &
        XVFB_PID=$!
        for _ in $(seq 1 100); do
            if xdpyinfo -display ":$number" >/dev/null 2>&1; then
                export DISPLAY=":$number" XVFB_DISPLAY_NUMBER=$number XVFB_PID
                XVFB_RUNTIME_DIR=$(mktemp -d -t vantorel-runtime.XXXXXX)
                export XDG_RUNTIME_DIR=$XVFB_RUNTIME_DIR
                return 0
            fi
            kill -0 "$XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
        kill "$XVFB_PID" 2>/dev/null || true
    done
    echo "could not start Xvfb" >&2
    return 1
}

stop_xvfb() {
    [ -z "${XVFB_RUNTIME_DIR:-}" ] || rm -rf "$XVFB_RUNTIME_DIR"
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    return 0
}
