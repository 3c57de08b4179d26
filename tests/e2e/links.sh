#!/usr/bin/env bash
# The three shortcut windows of the real program: each opened from the main window by its
# shortcut key, one site button clicked where it stands on the screen, and the shortcut file
# looked for in the user's own folder. Then a write that fails.
. "$(dirname "$0")/lib.sh"
APP=$1
e2e_start

# Waits for the file and compares it byte for byte with the shortcut to the URL.
expect_shortcut() {
    local file=$1 url=$2
    for _ in $(seq 50); do [ -f "$file" ] && break; sleep 0.1; done
    [ -f "$file" ] || fail "no file $file"
    printf '[InternetShortcut]\r\nURL=%s\r\n' "$url" >"$E2E_TMP/expected"
    cmp -s "$file" "$E2E_TMP/expected" || fail "$file holds $(od -c "$file" | head -n 5)"
}

# Each window: its shortcut key, its title, the site frame's corner, the site's cell in it
# (twips; site buttons are 1700 x 650), and the file that the click must leave.
e2e_launch "$APP"
form=$(e2e_main_window)
while IFS='|' read -r -u 4 key title frameLeft frameTop left top file url; do
    window=$(e2e_open_by_key "$form" "$key" "$title")
    e2e_click_twips "$window" $((frameLeft + left)) $((frameTop + top)) 1700 650
    expect_shortcut "$HOME/$file" "$url"
    # Esc only closes the window; the shortcut stays.
    e2e_focus "$window"
    xdotool key Escape
    e2e_closed "$title"
    expect_shortcut "$HOME/$file" "$url"
done 4<<'EOF'
ctrl+s|Desktop Shortcuts|120|120|5280|4200|Desktop/Cross Daily.url|http://www.crossdaily.com/
ctrl+m|Start Menu|120|120|7800|3360|.local/share/applications/Naves opical Bible.url|http://bible.crosswalk.com/Concordances/NavesTopicalBible/
ctrl+a|Favorites|120|120|7800|1440|Favorites/Christian Café.url|http://www.christiancafe.com
EOF
[ "$(ls -A "$HOME/Desktop")" = "Cross Daily.url" ] || fail "Desktop holds: $(ls -A "$HOME/Desktop")"
[ "$(ls -A "$HOME/Favorites")" = "Christian Café.url" ] || fail "Favorites holds: $(ls -A "$HOME/Favorites")"
e2e_close_main_window "$form"

# A read-only shortcut of that name is in the way: the program says so and ends, and the old
# file is still whole, with nothing left beside it.
favorites="$HOME/Favorites"
rm -rf "$favorites"
mkdir -p "$favorites"
printf '[InternetShortcut]\r\nURL=http://old.example/\r\n' >"$favorites/Christian Café.url"
cp "$favorites/Christian Café.url" "$E2E_TMP/old"
chmod 0444 "$favorites/Christian Café.url"
e2e_launch "$APP"
form=$(e2e_main_window)
window=$(e2e_open_by_key "$form" ctrl+a "Favorites")
e2e_click_twips "$window" $((120 + 7800)) $((120 + 1440)) 1700 650
box=$(e2e_window "Vellory Christian Edition")
e2e_focus "$box"
xdotool key Return
e2e_expect_exit 1 "after a failed write"
grep -q "Error 13: " "$E2E_TMP/app.log" || fail "no failure reported: $(cat "$E2E_TMP/app.log")"
cmp -s "$favorites/Christian Café.url" "$E2E_TMP/old" || fail "the read-only shortcut changed"
[ "$(ls -A "$favorites")" = "Christian Café.url" ] || fail "Favorites holds: $(ls -A "$favorites")"
echo "PASS"
