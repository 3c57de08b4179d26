#!/usr/bin/env bash
# Start-up, splash and main window of the real program.
. "$(dirname "$0")/lib.sh"
APP=$1
e2e_start

# Esc on the splash opens the main window; Ctrl+F4 closes it and the program ends cleanly.
e2e_launch "$APP"
splash=$(e2e_splash)
e2e_focus "$splash"
xdotool key Escape
form=$(e2e_window "Vellory - Christian Edition")
size=$(e2e_client_size "$form")
width=${size%x*}
height=${size#*x}
[ "$width" -eq 662 ] || fail "main window is $size wide, expected 662"
# 459 pixels of client area below a menu bar.
[ "$height" -gt 459 ] && [ "$height" -lt 520 ] || fail "main window is $size high"
e2e_focus "$form"
xdotool key ctrl+k
for _ in $(seq 50); do [ -s "$E2E_TMP/xdg-open.log" ] && break; sleep 0.1; done
[ "$(cat "$E2E_TMP/xdg-open.log")" = "http://www.vellory.com" ] || fail "website: $(cat "$E2E_TMP/xdg-open.log" 2>/dev/null)"
xdotool key ctrl+F4
status=$(e2e_wait_exit)
[ "$status" -eq 0 ] || fail "exit status $status after Ctrl+F4"

# A typed digit closes the splash and the program ends without the main window.
e2e_launch "$APP"
splash=$(e2e_splash)
e2e_focus "$splash"
xdotool type 7
status=$(e2e_wait_exit)
[ "$status" -eq 0 ] || fail "exit status $status after a digit"
grep -q . "$E2E_TMP/app.log" && echo "program output: $(cat "$E2E_TMP/app.log")"
echo "PASS"
