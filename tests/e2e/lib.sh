# Helpers for the end-to-end tests: a private X server, a private home, the real program,
# xdotool to drive it. There is no window manager, so windows are focused explicitly.
set -euo pipefail

E2E_TMP=$(mktemp -d /tmp/vellory-e2e.XXXXXX)
XVFB_PID=
APP_PID=
# The program's registry store (set by e2e_start), and the numbers of its two roots.
E2E_STORE=
E2E_HKCU=2147483649
E2E_HKLM=2147483650

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
    E2E_STORE="$XDG_CONFIG_HOME/vellory/registry.sqlite3"
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

# Fails unless the window's client area is this many pixels, e.g. 672x489.
e2e_expect_size() {
    local size
    size=$(e2e_client_size "$1")
    [ "$size" = "$2" ] || fail "${3:-the window} is $size, expected $2"
}

# From the splash on to the main window; prints its id.
e2e_main_window() {
    local splash
    splash=$(e2e_splash)
    e2e_focus "$splash"
    xdotool key Escape
    e2e_window "Vellory - Christian Edition"
}

# Opens a window from another one (the main window) by its shortcut key; prints its id.
#   e2e_open_by_key FROM-ID KEY TITLE
e2e_open_by_key() {
    e2e_focus "$1"
    xdotool key "$2"
    e2e_window "$3"
}

# Clicks the middle of a control, given by its place in the window in twips as the windows
# are laid out: left, top, width, height. 15 twips make a pixel.
e2e_click_twips() {
    local window=$1 left=$2 top=$3 width=$4 height=$5
    xdotool mousemove --window "$window" --sync $(((left + width / 2) / 15)) $(((top + height / 2) / 15)) click 1
}

# Whether a visible window has this exact title.
e2e_is_open() {
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1
}

# Waits until no visible window has this exact title.
e2e_closed() {
    for _ in $(seq 100); do
        e2e_is_open "$1" || return 0
        sleep 0.1
    done
    fail "the window '$1' is still open"
}

# Prints a value from the program's store: its text, or with COLUMNS those columns of it
# split by '|' (e.g. "type, length(data), CAST(data AS TEXT)"). Prints nothing while there
# is no store or no such value.
#   e2e_stored ROOT KEY NAME [COLUMNS]
e2e_stored() {
    local root=$1 key=$2 name=$3 columns=${4:-CAST(data AS TEXT)}
    [ -f "$E2E_STORE" ] || return 0
    sqlite3 -separator '|' "$E2E_STORE" "SELECT $columns FROM registry_value
        WHERE root = $root AND path = '$key' AND name = '$name'" 2>/dev/null || true
}

# Waits for a value in the store to read as expected (see e2e_stored).
#   e2e_expect_stored EXPECTED ROOT KEY NAME [COLUMNS]
e2e_expect_stored() {
    local expected=$1 actual=
    shift
    for _ in $(seq 50); do
        actual=$(e2e_stored "$@")
        [ "$actual" = "$expected" ] && return 0
        sleep 0.1
    done
    fail "'$3' under '$2' is '$actual', expected '$expected'"
}

# Waits for the program to end and fails unless it ended with this status.
#   e2e_expect_exit STATUS [WHEN]
e2e_expect_exit() {
    local status
    status=$(e2e_wait_exit)
    APP_PID=
    [ "$status" -eq "$1" ] || fail "exit status $status${2:+ $2}, expected $1"
}

# Ctrl+F4 on the main window: the program ends cleanly.
e2e_close_main_window() {
    e2e_focus "$1"
    xdotool key ctrl+F4
    e2e_expect_exit 0 "after closing the main window"
}

# The end of a script that passed, with whatever the program printed.
e2e_pass() {
    if grep -q . "$E2E_TMP/app.log"; then
        echo "program output: $(cat "$E2E_TMP/app.log")"
    fi
    echo "PASS"
}
