#!/usr/bin/env bash
# The About window of the real program, and the system information tool it starts.
. "$(dirname "$0")/lib.sh"
APP=$1
ABOUT="About Vellory Christian Edition"
e2e_start

# Waits until no visible window has this exact title.
window_gone() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "the window '$1' is still open"
}

# From the splash on to the main window; prints its id.
open_main_window() {
    local splash
    splash=$(e2e_splash)
    e2e_focus "$splash"
    xdotool key Escape
    e2e_window "Vellory - Christian Edition"
}

# Help > About through its shortcut; prints the About window's id.
open_about() {
    e2e_focus "$1"
    xdotool key ctrl+o
    e2e_window "$ABOUT"
}

# Without a store there is no tool: System Info says so, and the About window stays.
e2e_launch "$APP"
form=$(open_main_window)
about=$(open_about "$form")
size=$(e2e_client_size "$about")
[ "$size" = "382x237" ] || fail "About window is $size, expected 382x237"
e2e_focus "$about"
xdotool key alt+s
box=$(e2e_window "Vellory Christian Edition")
e2e_focus "$box"
xdotool key Return
window_gone "Vellory Christian Edition"
xdotool search --onlyvisible --name "^$ABOUT\$" >/dev/null || fail "the About window closed with the message"
e2e_focus "$about"
xdotool key Escape
window_gone "$ABOUT"
# Enter presses OK as well; the main window stays open throughout.
about=$(open_about "$form")
e2e_focus "$about"
xdotool key Return
window_gone "$ABOUT"
e2e_focus "$form"
xdotool key ctrl+F4
status=$(e2e_wait_exit)
APP_PID=
[ "$status" -eq 0 ] || fail "exit status $status"

# A store that names a script of ours as the tool: System Info runs it.
marker="$E2E_TMP/sysinfo-ran"
tool="$E2E_TMP/my sysinfo.sh"
printf '#!/bin/sh\necho "$@" > "%s"\n' "$marker" >"$tool"
chmod +x "$tool"
store="$XDG_CONFIG_HOME/vellory/registry.sqlite3"
mkdir -p "$(dirname "$store")"
key='SOFTWARE\Microsoft\Shared Tools\MSINFO'
(umask 077 && sqlite3 "$store" <<SQL)
CREATE TABLE registry_key (root INTEGER NOT NULL, path TEXT NOT NULL COLLATE NOCASE, PRIMARY KEY (root, path));
CREATE TABLE registry_value (root INTEGER NOT NULL, path TEXT NOT NULL COLLATE NOCASE, name TEXT NOT NULL COLLATE NOCASE, type INTEGER NOT NULL, data BLOB NOT NULL, PRIMARY KEY (root, path, name));
INSERT INTO registry_key VALUES (2147483650, 'SOFTWARE'), (2147483650, 'SOFTWARE\Microsoft'),
    (2147483650, 'SOFTWARE\Microsoft\Shared Tools'), (2147483650, '$key');
INSERT INTO registry_value VALUES (2147483650, '$key', 'PATH', 1, CAST('"$tool" --report' AS BLOB));
SQL

e2e_launch "$APP"
form=$(open_main_window)
about=$(open_about "$form")
e2e_focus "$about"
xdotool key alt+s
for _ in $(seq 100); do [ -s "$marker" ] && break; sleep 0.1; done
[ -s "$marker" ] || fail "System Info did not run the tool"
[ "$(cat "$marker")" = "--report" ] || fail "the tool got the arguments '$(cat "$marker")'"
xdotool search --onlyvisible --name "^Vellory Christian Edition\$" >/dev/null 2>&1 && fail "a message was shown"
xdotool search --onlyvisible --name "^$ABOUT\$" >/dev/null || fail "the About window closed"
e2e_focus "$about"
xdotool key Escape
window_gone "$ABOUT"
e2e_focus "$form"
xdotool key ctrl+F4
status=$(e2e_wait_exit)
APP_PID=
[ "$status" -eq 0 ] || fail "exit status $status"
grep -q . "$E2E_TMP/app.log" && echo "program output: $(cat "$E2E_TMP/app.log")"
echo "PASS"
