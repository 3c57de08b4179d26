# Helpers for the end-to-end tests: a private X server, a private home, the real program,
# xdotool to drive it. There is no window manager, so windows are focused explicitly.
set -euo pipefail

E2E_TMP=$(mktemp -d /tmp/vellory-e2e.XXXXXX)
XVFB_PID=
APP_PID=

e2e_cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    [ -s "$E2E_TMP/app.log" ] && sed 's/^/program: /' "$E2E_TMP/app.log" >&2
    exit 1
}

# A new X server on a free display number, and a home with the XDG folders inside it.
e2e_start() {
    local displayfd="$E2E_TMP/display"
    # -noreset: otherwise the server resets whenever its last client leaves, and a program
    # started again right after the previous one ended may find no display to connect to.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$displayfd" 2>"$E2E_TMP/xvfb.log" &
    XVFB_PID=$!
    for _ in $(seq 100); do [ -s "$displayfd" ] && break; sleep 0.1; done
    [ -s "$displayfd" ] || fail "Xvfb did not start"
    export DISPLAY=":$(cat "$displayfd")"
    export HOME="$E2E_TMP/home"
    export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
    unset XDG_RUNTIME_DIR QT_QPA_PLATFORM
    mkdir -p "$HOME"
    # xdg-open must not reach a real browser: record what it is asked to open.
    mkdir -p "$E2E_TMP/bin"
    printf '#!/bin/sh\nprintf "%%s\\n" "$*" >> "%s/xdg-open.log"\n' "$E2E_TMP" >"$E2E_TMP/bin/xdg-open"
    chmod +x "$E2E_TMP/bin/xdg-open"
    export PATH="$E2E_TMP/bin:$PATH"
}

# Starts the program; its output goes to $E2E_TMP/app.log. A watcher records its exit status
# in $E2E_TMP/app.status, so that e2e_wait_exit also works inside $(...), where `wait` cannot
# reach the program.
e2e_launch() {
    rm -f "$E2E_TMP/app.pid" "$E2E_TMP/app.status"
    (
        "$1" >"$E2E_TMP/app.log" 2>&1 &
        echo $! >"$E2E_TMP/app.pid.new" && mv "$E2E_TMP/app.pid.new" "$E2E_TMP/app.pid"
        status=0
        wait $! || status=$?
        # After a clean-up the folder is gone, and nobody is waiting for the status any more.
        { echo "$status" >"$E2E_TMP/app.status.new" && mv "$E2E_TMP/app.status.new" "$E2E_TMP/app.status"; } 2>/dev/null
    ) &
    for _ in $(seq 100); do [ -s "$E2E_TMP/app.pid" ] && break; sleep 0.05; done
    APP_PID=$(cat "$E2E_TMP/app.pid")
}

# Waits for a visible window by exact title and prints its id.
e2e_window() {
    local title=$1 id=
    for _ in $(seq 300); do
        id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1) || true
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    fail "no window titled '$title'"
}

# Waits for the program's first window, the title-less splash.
e2e_splash() {
    local id=
    for _ in $(seq 300); do
        id=$(xdotool search --onlyvisible --classname vellory 2>/dev/null | head -n 1) || true
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    fail "the splash window did not appear"
}

e2e_focus() {
    xdotool windowfocus --sync "$1"
    sleep 0.2
}

# Waits for the program to end and prints its exit status.
e2e_wait_exit() {
    for _ in $(seq 300); do
        if [ -s "$E2E_TMP/app.status" ]; then
            APP_PID=
            cat "$E2E_TMP/app.status"
            return 0
        fi
        sleep 0.1
    done
    fail "the program did not end"
}

e2e_client_size() {
    xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: //p'
}
