# Site catalogue, shortcut writer and the three shortcut windows.
# Included from tests/CMakeLists.txt; the sources sit beside this file.

vellory_add_test(site_catalogue ${CMAKE_CURRENT_LIST_DIR}/test_site_catalogue.cpp)
vellory_add_test(internet_shortcut ${CMAKE_CURRENT_LIST_DIR}/test_internet_shortcut.cpp
    ${CMAKE_CURRENT_LIST_DIR}/shortcut_files.h)
vellory_add_test(shortcut_windows ${CMAKE_CURRENT_LIST_DIR}/test_shortcut_windows.cpp
    ${CMAKE_CURRENT_LIST_DIR}/shortcut_files.h)

# The real program under Xvfb: each window opened from the main window by its shortcut key,
# one site clicked on screen, the file looked for in the user's folders.
add_test(NAME e2e_links COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/e2e/links.sh $<TARGET_FILE:vellory>)
set_tests_properties(e2e_links PROPERTIES LABELS e2e TIMEOUT 180 RESOURCE_LOCK xdisplay)
