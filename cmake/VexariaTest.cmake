# SPDX-License-Identifier: GPL-3.0-or-later
# One helper registers every test executable with CTest.
#   vexaria_add_test(<name> SOURCES <files...> LIBS <targets...> [QT])
#   vexaria_add_test(<name> SCRIPT <file.sh>)
# QT marks a Qt Test program: it runs on the offscreen platform with a
# per-function timeout, so a stuck dialog fails instead of hanging. A SCRIPT
# test gets the build and source folders as its arguments and, in a cross
# build, then the emulator's command that runs the target's programs.

# A cross build's tests run under user-mode emulation (see
# cmake/toolchain-arm64.cmake), several times slower than natively: the
# limits stretch so that only a stuck test reaches them.
if(CMAKE_CROSSCOMPILING AND CMAKE_CROSSCOMPILING_EMULATOR)
    set(VEXARIA_TEST_TIME_SCALE 10)
else()
    set(VEXARIA_TEST_TIME_SCALE 1)
endif()
math(EXPR VEXARIA_TEST_TIMEOUT "300 * ${VEXARIA_TEST_TIME_SCALE}")
math(EXPR VEXARIA_TEST_FUNCTION_TIMEOUT_MS "60000 * ${VEXARIA_TEST_TIME_SCALE}")

# The program speaks the desktop's language, which these would otherwise
# choose over LANG: every test starts from the same (C, so Spanish) desktop.
set(VEXARIA_TEST_LOCALE "LANGUAGE=;LC_ALL=;LC_MESSAGES=")

function(vexaria_add_test name)
    cmake_parse_arguments(ARG "QT" "SCRIPT" "SOURCES;LIBS" ${ARGN})
    if(ARG_SCRIPT)
        set(emulator)
        if(CMAKE_CROSSCOMPILING)
            set(emulator ${CMAKE_CROSSCOMPILING_EMULATOR})
        endif()
        add_test(NAME ${name} COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/${ARG_SCRIPT}
                 ${CMAKE_BINARY_DIR} ${PROJECT_SOURCE_DIR} ${emulator})
        set_tests_properties(${name} PROPERTIES
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8;${VEXARIA_TEST_LOCALE}"
            TIMEOUT ${VEXARIA_TEST_TIMEOUT})
        return()
    endif()
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
    if(ARG_QT)
        target_link_libraries(${name} PRIVATE Qt6::Test)
    else()
        target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main)
    endif()
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT
            "QT_QPA_PLATFORM=offscreen;QTEST_FUNCTION_TIMEOUT=${VEXARIA_TEST_FUNCTION_TIMEOUT_MS};LANG=C.UTF-8;${VEXARIA_TEST_LOCALE}"
        TIMEOUT ${VEXARIA_TEST_TIMEOUT})
endfunction()
