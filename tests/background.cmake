# Tests of the wallpaper setter and the Desktop Background window.
# Included from tests/CMakeLists.txt; the sources sit beside this file.
vellory_add_test(wallpapers test_wallpapers.cpp)
vellory_add_test(desktop_background test_desktop_background.cpp)

# The real program under Xvfb: a picture click hands its path to the wallpaper setting.
add_test(NAME e2e_background COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/e2e/background.sh $<TARGET_FILE:vellory>)
set_tests_properties(e2e_background PROPERTIES LABELS e2e TIMEOUT 180 RESOURCE_LOCK xdisplay)
