#!/usr/bin/env bash
# The Home Page window of the real program: a click on a site stores its URL as the start page.
. "$(dirname "$0")/lib.sh"
APP=$1
e2e_start

# What the store holds for the start page: type, byte count, text.
START_PAGE=("$E2E_HKCU" 'Software\Microsoft\Internet Explorer\Main' 'Start Page' 'type, length(data), CAST(data AS TEXT)')

e2e_launch "$APP"
form=$(e2e_main_window)
home=$(e2e_open_by_key "$form" ctrl+p "Home Page")
e2e_expect_size "$home" 672x489 "Home Page window"
[ -z "$(e2e_stored "${START_PAGE[@]}")" ] || fail "a start page was stored before any click"

# Twips in the window: the site frame at 120,120; Bible Gateway at 2760,360 in it and
# Christian Cafe at 7680,1320; site buttons are 1700 x 650.
e2e_click_twips "$home" 2880 480 1700 650
e2e_expect_stored "1|28|http://www.biblegateway.com/" "${START_PAGE[@]}"
e2e_click_twips "$home" 7800 1440 1700 650
e2e_expect_stored "1|28|http://www.christiancafe.com" "${START_PAGE[@]}"

# The window stays open after clicks; Esc closes it and leaves the start page as it is.
e2e_is_open "Home Page" || fail "the window closed after a click"
e2e_focus "$home"
xdotool key Escape
e2e_closed "Home Page"
e2e_expect_stored "1|28|http://www.christiancafe.com" "${START_PAGE[@]}"

e2e_close_main_window "$form"
e2e_pass
