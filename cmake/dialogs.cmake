# SPDX-License-Identifier: GPL-3.0-or-later
# The Boolean text markup and its painter, drawn by the view and the dialogs.
add_library(zyl_richtext STATIC dialogs/DrawRichText.cpp)
target_include_directories(zyl_richtext PUBLIC dialogs)
target_link_libraries(zyl_richtext PUBLIC zyl_model Qt6::Gui)
zyl_warnings(zyl_richtext)

# The dialogs (Qt widgets): every dialogs/C*Dlg.cpp except the two message
# boxes, which belong to the program itself.
file(GLOB ZYL_DIALOG_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/dialogs/C*Dlg.cpp)
list(FILTER ZYL_DIALOG_SOURCES EXCLUDE REGEX "/(CMessageDlg|CAboutDlg)\\.cpp$")
add_library(zyl_dialogs STATIC dialogs/CViewDialogs.cpp dialogs/TeachingWindows.cpp dialogs/CModelessDlg.h ${ZYL_DIALOG_SOURCES})
target_include_directories(zyl_dialogs PUBLIC dialogs view)
target_link_libraries(zyl_dialogs PUBLIC zyl_richtext zyl_parse zyl_model Qt6::Widgets)
if(TARGET zyl_dialoglogic)
    target_link_libraries(zyl_dialogs PUBLIC zyl_dialoglogic)
endif()
if(TARGET zyl_res)
    target_link_libraries(zyl_dialogs PUBLIC zyl_res)
endif()
target_link_libraries(zyl_dialogs PUBLIC zyl_steps)
zyl_warnings(zyl_dialogs)
