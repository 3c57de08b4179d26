#!/usr/bin/env bash
# The Home Page window of the real program: a click on a site stores its URL as the start page.
. "$(dirname "$0")/lib.sh"
APP=$1
e2e_start
STORE="$XDG_CONFIG_HOME/vellory/registry.sqlite3"

# Prints what the store holds for the start page: type, byte count, text.
start_page() {
    [ -f "$STORE" ] || return 0
    sqlite3 -separator '|' "$STORE" "SELECT type, length(data), CAST(data AS TEXT) FROM registry_value
        WHERE root = 2147483649 AND path = 'Software\Microsoft\Internet Explorer\Main' AND name = 'Start Page'" \
        2>/dev/null || true
}

expect_start_page() {
    local expected=$1 actual=
    for _ in $(seq 50); do
        actual=$(start_page)
        [ "$actual" = "$expected" ] && return 0
        sleep 0.1
    done
    fail "start page is '$actual', expected '$expected'"
}

e2e_launch "$APP"
splash=$(e2e_splash)
e2e_focus "$splash"
xdotool key Escape
form=$(e2e_window "Vellory - Christian Edition")
e2e_focus "$form"
xdotool key ctrl+p
home=$(e2e_window "Home Page")
[ "$(e2e_client_size "$home")" = "672x489" ] || fail "Home Page window is $(e2e_client_size "$home")"
[ -z "$(start_page)" ] || fail "a start page was stored before any click"

# Pixel places: frame at 8,8; Bible Gateway at 184,24 in it and Christian Cafe at 512,88;
# buttons are 113 x 43. Click the middle of each.
xdotool mousemove --window "$home" 248 53 click 1
expect_start_page "1|28|http://www.biblegateway.com/"
xdotool mousemove --window "$home" 576 117 click 1
expect_start_page "1|28|http://www.christiancafe.com"

# The window stays open after clicks; Esc closes it and leaves the start page as it is.
xdotool search --onlyvisible --name '^Home Page$' >/dev/null || fail "the window closed after a click"
e2e_focus "$home"
xdotool key Escape
for _ in $(seq 50); do xdotool search --onlyvisible --name '^Home Page$' >/dev/null || break; sleep 0.1; done
xdotool search --onlyvisible --name '^Home Page$' >/dev/null && fail "Esc did not close the window"
expect_start_page "1|28|http://www.christiancafe.com"

e2e_focus "$form"
xdotool key ctrl+F4
status=$(e2e_wait_exit)
[ "$status" -eq 0 ] || fail "exit status $status"
grep -q . "$E2E_TMP/app.log" && echo "program output: $(cat "$E2E_TMP/app.log")"
echo "PASS"
