# The program-file routines that the about box shows.
vexaria_add_test(test_fileinfo SOURCES ${CMAKE_CURRENT_LIST_DIR}/../util/FileInfoTest.cpp
    LIBS vexaria_util)
