#!/usr/bin/env bash
# The Desktop Background window of the real program: a click on a picture hands its path to the
# wallpaper setting, which this backend records as "Wallpaper" under "Control Panel\Desktop".
. "$(dirname "$0")/lib.sh"
APP=$1
e2e_start
STORE="$XDG_CONFIG_HOME/vellory/registry.sqlite3"

wallpaper() {
    [ -f "$STORE" ] || return 0
    sqlite3 "$STORE" "SELECT CAST(data AS TEXT) FROM registry_value
        WHERE root = 2147483649 AND path = 'Control Panel\Desktop' AND name = 'Wallpaper'" 2>/dev/null || true
}

expect_wallpaper() {
    local expected=$1 actual=
    for _ in $(seq 50); do
        actual=$(wallpaper)
        [ "$actual" = "$expected" ] && return 0
        sleep 0.1
    done
    fail "wallpaper is '$actual', expected '$expected'"
}

window_open() {
    xdotool search --onlyvisible --name '^Desktop Background$' >/dev/null
}

e2e_launch "$APP"
splash=$(e2e_splash)
e2e_focus "$splash"
xdotool key Escape
form=$(e2e_window "Vellory - Christian Edition")
e2e_focus "$form"
xdotool key ctrl+b
background=$(e2e_window "Desktop Background")
[ "$(e2e_client_size "$background")" = "672x489" ] || fail "Desktop Background window is $(e2e_client_size "$background")"

# Pixel places: frame at 16,8; Calvary at 16,336 in it and Got Jesus at 352,80; buttons are
# 113 x 43. Click the middle of each.
xdotool mousemove --window "$background" 88 365 click 1
expect_wallpaper 'C:\share\Vellory\Christian\backgrounds\Calvary.bmp'
xdotool mousemove --window "$background" 424 109 click 1
expect_wallpaper 'C:\share\Vellory\Christian\backgrounds\GotJesus.bmp'
window_open || fail "the window closed after a click"
# The program never creates the pictures' folder, wherever it might look for it.
[ -z "$(find "$HOME" -iname '*.bmp' -o -iname 'backgrounds' | head -n 1)" ] || fail "picture files appeared"

# Cancel (at 544,16 in the frame at 16,416) closes the window and undoes nothing.
xdotool mousemove --window "$background" 600 448 click 1
for _ in $(seq 50); do window_open || break; sleep 0.1; done
window_open && fail "Cancel did not close the window"
expect_wallpaper 'C:\share\Vellory\Christian\backgrounds\GotJesus.bmp'

e2e_focus "$form"
xdotool key ctrl+F4
status=$(e2e_wait_exit)
[ "$status" -eq 0 ] || fail "exit status $status"
grep -q . "$E2E_TMP/app.log" && echo "program output: $(cat "$E2E_TMP/app.log")"
echo "PASS"
