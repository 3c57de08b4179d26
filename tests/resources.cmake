# Test of the pictures compiled into vellory_gui (resources/vellory.qrc).
# Included from tests/CMakeLists.txt; the source sits beside this file.
find_package(Qt6 REQUIRED COMPONENTS Test)

add_executable(test_resources ${CMAKE_CURRENT_LIST_DIR}/test_resources.cpp)
set_target_properties(test_resources PROPERTIES AUTOMOC ON)
target_link_libraries(test_resources PRIVATE vellory_gui Qt6::Test)
add_test(NAME resources COMMAND test_resources)
set_tests_properties(resources PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS unit TIMEOUT 120)
