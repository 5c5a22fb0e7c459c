# One helper registers every test executable with CTest.
#   vexaria_add_test(<name> SOURCES <files...> LIBS <targets...> [QT])
# QT marks a Qt Test program: it runs on the offscreen platform with a
# per-function timeout, so a stuck dialog fails instead of hanging.
function(vexaria_add_test name)
    cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
    if(ARG_QT)
        target_link_libraries(${name} PRIVATE Qt6::Test)
    else()
        target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main)
    endif()
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QTEST_FUNCTION_TIMEOUT=60000;LANG=C.UTF-8"
        TIMEOUT 300)
endfunction()
