#!/usr/bin/env bash
# The About window of the real program, and the system information tool it starts.
. "$(dirname "$0")/lib.sh"
APP=$1
ABOUT="About Vellory Christian Edition"
e2e_start

# Without a store there is no tool: System Info says so, and the About window stays.
e2e_launch "$APP"
form=$(e2e_main_window)
about=$(e2e_open_by_key "$form" ctrl+o "$ABOUT")
e2e_expect_size "$about" 382x237 "About window"
e2e_focus "$about"
xdotool key alt+s
box=$(e2e_window "Vellory Christian Edition")
e2e_focus "$box"
xdotool key Return
e2e_closed "Vellory Christian Edition"
e2e_is_open "$ABOUT" || fail "the About window closed with the message"
e2e_focus "$about"
xdotool key Escape
e2e_closed "$ABOUT"
# Enter presses OK as well; the main window stays open throughout.
about=$(e2e_open_by_key "$form" ctrl+o "$ABOUT")
e2e_focus "$about"
xdotool key Return
e2e_closed "$ABOUT"
e2e_close_main_window "$form"

# A store that names a script of ours as the tool: System Info runs it.
marker="$E2E_TMP/sysinfo-ran"
tool="$E2E_TMP/my sysinfo.sh"
printf '#!/bin/sh\necho "$@" > "%s"\n' "$marker" >"$tool"
chmod +x "$tool"
mkdir -p "$(dirname "$E2E_STORE")"
key='SOFTWARE\Microsoft\Shared Tools\MSINFO'
(umask 077 && sqlite3 "$E2E_STORE" <<SQL)
CREATE TABLE registry_key (root INTEGER NOT NULL, path TEXT NOT NULL COLLATE NOCASE, PRIMARY KEY (root, path));
CREATE TABLE registry_value (root INTEGER NOT NULL, path TEXT NOT NULL COLLATE NOCASE, name TEXT NOT NULL COLLATE NOCASE, type INTEGER NOT NULL, data BLOB NOT NULL, PRIMARY KEY (root, path, name));
INSERT INTO registry_key VALUES ($E2E_HKLM, 'SOFTWARE'), ($E2E_HKLM, 'SOFTWARE\Microsoft'),
    ($E2E_HKLM, 'SOFTWARE\Microsoft\Shared Tools'), ($E2E_HKLM, '$key');
INSERT INTO registry_value VALUES ($E2E_HKLM, '$key', 'PATH', 1, CAST('"$tool" --report' AS BLOB));
SQL

e2e_launch "$APP"
form=$(e2e_main_window)
about=$(e2e_open_by_key "$form" ctrl+o "$ABOUT")
e2e_focus "$about"
xdotool key alt+s
for _ in $(seq 100); do [ -s "$marker" ] && break; sleep 0.1; done
[ -s "$marker" ] || fail "System Info did not run the tool"
[ "$(cat "$marker")" = "--report" ] || fail "the tool got the arguments '$(cat "$marker")'"
e2e_is_open "Vellory Christian Edition" && fail "a message was shown"
e2e_is_open "$ABOUT" || fail "the About window closed"
e2e_focus "$about"
xdotool key Escape
e2e_closed "$ABOUT"
e2e_close_main_window "$form"
e2e_pass
