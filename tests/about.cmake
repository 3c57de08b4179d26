# The About window and the system information launcher behind its System Info button.
# Included from tests/CMakeLists.txt; the sources sit beside this file.
vellory_add_test(system_info ${CMAKE_CURRENT_LIST_DIR}/test_system_info.cpp)
vellory_add_test(about ${CMAKE_CURRENT_LIST_DIR}/test_about.cpp)

add_test(NAME e2e_about COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/e2e/about.sh $<TARGET_FILE:vellory>)
set_tests_properties(e2e_about PROPERTIES LABELS e2e TIMEOUT 180 RESOURCE_LOCK xdisplay)
