# The tools menu and the tools editor.
vexaria_add_test(test_tools_editor QT
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/ToolsEditorTest.cpp
    LIBS vexaria_forms)
