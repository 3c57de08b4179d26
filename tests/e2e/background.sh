#!/usr/bin/env bash
# The Desktop Background window of the real program: a click on a picture hands its path to the
# wallpaper setting, which this backend records as "Wallpaper" under "Control Panel\Desktop".
. "$(dirname "$0")/lib.sh"
APP=$1
e2e_start

expect_wallpaper() {
    e2e_expect_stored "$1" "$E2E_HKCU" 'Control Panel\Desktop' Wallpaper
}

e2e_launch "$APP"
form=$(e2e_main_window)
background=$(e2e_open_by_key "$form" ctrl+b "Desktop Background")
e2e_expect_size "$background" 672x489 "Desktop Background window"

# Twips in the window: the picture frame at 240,120; Calvary at 240,5040 in it and Got Jesus
# at 5280,1200; picture buttons are 1700 x 650.
e2e_click_twips "$background" 480 5160 1700 650
expect_wallpaper 'C:\share\Vellory\Christian\backgrounds\Calvary.bmp'
e2e_click_twips "$background" 5520 1320 1700 650
expect_wallpaper 'C:\share\Vellory\Christian\backgrounds\GotJesus.bmp'
e2e_is_open "Desktop Background" || fail "the window closed after a click"
# The program never creates the pictures' folder, wherever it might look for it.
[ -z "$(find "$HOME" -iname '*.bmp' -o -iname 'backgrounds' | head -n 1)" ] || fail "picture files appeared"

# Cancel (at 8160,240 in the frame at 240,6240) closes the window and undoes nothing.
e2e_click_twips "$background" 8400 6480 1215 495
e2e_closed "Desktop Background"
expect_wallpaper 'C:\share\Vellory\Christian\backgrounds\GotJesus.bmp'

e2e_close_main_window "$form"
e2e_pass
