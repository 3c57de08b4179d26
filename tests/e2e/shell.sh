#!/usr/bin/env bash
# Start-up, splash and main window of the real program.
. "$(dirname "$0")/lib.sh"
APP=$1
e2e_start

# Esc on the splash opens the main window; Ctrl+F4 closes it and the program ends cleanly.
e2e_launch "$APP"
form=$(e2e_main_window)
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
e2e_close_main_window "$form"

# A typed digit closes the splash and the program ends without the main window.
e2e_launch "$APP"
splash=$(e2e_splash)
e2e_focus "$splash"
xdotool type 7
e2e_expect_exit 0 "after a digit"
e2e_pass
