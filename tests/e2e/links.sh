#!/usr/bin/env bash
# The three shortcut windows of the real program: each opened from the main window by its
# shortcut key, one site button clicked where it stands on the screen, and the shortcut file
# looked for in the user's own folder. Then a write that fails.
. "$(dirname "$0")/lib.sh"
APP=$1
e2e_start

# Pixels from twips, as the windows are laid out.
px() { echo $(($1 / 15)); }

# Clicks the middle of a site button: the window, the site frame's left and top, and the
# button's left and top inside the frame (twips). Site buttons are 1700 x 650.
click_site() {
    local window=$1 frameLeft=$2 frameTop=$3 left=$4 top=$5 x y
    read -r x y < <(xdotool getwindowgeometry "$window" | sed -n 's/.*Position: \([0-9-]*\),\([0-9-]*\).*/\1 \2/p')
    xdotool mousemove --sync $((x + $(px $((frameLeft + left + 850))))) $((y + $(px $((frameTop + top + 325)))))
    xdotool click 1
}

# Waits for the file and compares it byte for byte with the shortcut to the URL.
expect_shortcut() {
    local file=$1 url=$2
    for _ in $(seq 50); do [ -f "$file" ] && break; sleep 0.1; done
    [ -f "$file" ] || fail "no file $file"
    printf '[InternetShortcut]\r\nURL=%s\r\n' "$url" >"$E2E_TMP/expected"
    cmp -s "$file" "$E2E_TMP/expected" || fail "$file holds $(od -c "$file" | head -n 5)"
}

# Waits until no window has this title.
expect_closed() {
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "window '$1' is still open"
}

# Starts the program and leaves the main window's id in $form.
open_main_window() {
    e2e_launch "$APP"
    local splash
    splash=$(e2e_splash)
    e2e_focus "$splash"
    xdotool key Escape
    form=$(e2e_window "Vellory - Christian Edition")
}

# Each window: its shortcut key, its title, the site frame's corner, the site's cell, and
# the file that the click must leave.
open_main_window
while IFS='|' read -r -u 4 key title frameLeft frameTop left top file url; do
    e2e_focus "$form"
    xdotool key "$key"
    window=$(e2e_window "$title")
    click_site "$window" "$frameLeft" "$frameTop" "$left" "$top"
    expect_shortcut "$HOME/$file" "$url"
    # Esc only closes the window; the shortcut stays.
    e2e_focus "$window"
    xdotool key Escape
    expect_closed "$title"
    expect_shortcut "$HOME/$file" "$url"
done 4<<'EOF'
ctrl+s|Desktop Shortcuts|120|120|5280|4200|Desktop/Cross Daily.url|http://www.crossdaily.com/
ctrl+m|Start Menu|120|120|7800|3360|.local/share/applications/Naves opical Bible.url|http://bible.crosswalk.com/Concordances/NavesTopicalBible/
ctrl+a|Favorites|120|120|7800|1440|Favorites/Christian Café.url|http://www.christiancafe.com
EOF
[ "$(ls -A "$HOME/Desktop")" = "Cross Daily.url" ] || fail "Desktop holds: $(ls -A "$HOME/Desktop")"
[ "$(ls -A "$HOME/Favorites")" = "Christian Café.url" ] || fail "Favorites holds: $(ls -A "$HOME/Favorites")"
e2e_focus "$form"
xdotool key ctrl+F4
status=$(e2e_wait_exit)
[ "$status" -eq 0 ] || fail "exit status $status after closing the main window"

# A read-only shortcut of that name is in the way: the program says so and ends, and the old
# file is still whole, with nothing left beside it.
favorites="$HOME/Favorites"
rm -rf "$favorites"
mkdir -p "$favorites"
printf '[InternetShortcut]\r\nURL=http://old.example/\r\n' >"$favorites/Christian Café.url"
cp "$favorites/Christian Café.url" "$E2E_TMP/old"
chmod 0444 "$favorites/Christian Café.url"
open_main_window
e2e_focus "$form"
xdotool key ctrl+a
window=$(e2e_window "Favorites")
click_site "$window" 120 120 7800 1440
box=$(e2e_window "Vellory Christian Edition")
e2e_focus "$box"
xdotool key Return
status=$(e2e_wait_exit)
[ "$status" -eq 1 ] || fail "exit status $status after a failed write, expected 1"
grep -q "Error 13: " "$E2E_TMP/app.log" || fail "no failure reported: $(cat "$E2E_TMP/app.log")"
cmp -s "$favorites/Christian Café.url" "$E2E_TMP/old" || fail "the read-only shortcut changed"
[ "$(ls -A "$favorites")" = "Christian Café.url" ] || fail "Favorites holds: $(ls -A "$favorites")"
echo "PASS"
