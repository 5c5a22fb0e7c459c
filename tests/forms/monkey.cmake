vexaria_add_test(test_monkey QT
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/MonkeyTest.cpp
    LIBS vexaria_forms)
# Twenty thousand actions take a while under the sanitizers.
set_tests_properties(test_monkey PROPERTIES TIMEOUT 600)
