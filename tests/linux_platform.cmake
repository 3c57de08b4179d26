# Tests of the Linux backend: the SQLite registry store and the desktop services.
# Included from tests/CMakeLists.txt; the sources sit beside this file.
if(UNIX AND NOT APPLE)
    foreach(module registry_store linux_platform)
        add_executable(test_${module} ${CMAKE_CURRENT_LIST_DIR}/test_${module}.cpp)
        set_target_properties(test_${module} PROPERTIES AUTOMOC ON)
        target_link_libraries(test_${module} PRIVATE vellory_core Qt6::Test)
        add_test(NAME ${module} COMMAND test_${module})
    endforeach()
endif()
