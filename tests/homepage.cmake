# Tests of the start-page write and the Home Page window.
# Included from tests/CMakeLists.txt; the sources sit beside this file.
vellory_add_test(start_page test_start_page.cpp)
vellory_add_test(home_page test_home_page.cpp)

# The real program under Xvfb: a site click lands in the registry store.
add_test(NAME e2e_homepage COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/e2e/homepage.sh $<TARGET_FILE:vellory>)
set_tests_properties(e2e_homepage PROPERTIES LABELS e2e TIMEOUT 180 RESOURCE_LOCK xdisplay)
