# The about box and the program-file routines it shows.
vexaria_add_test(test_about SOURCES ${CMAKE_CURRENT_LIST_DIR}/AboutTest.cpp
    LIBS vexaria_forms QT)
vexaria_add_test(test_fileinfo SOURCES ${CMAKE_CURRENT_LIST_DIR}/../util/FileInfoTest.cpp
    LIBS vexaria_util)
