vexaria_add_test(test_about_from_main QT
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/AboutFromMainTest.cpp
    LIBS vexaria_forms)
