# The dialogs (Qt widgets).
add_library(zyl_dialogs STATIC dialogs/CViewDialogs.cpp)
target_include_directories(zyl_dialogs PUBLIC dialogs)
target_link_libraries(zyl_dialogs PUBLIC zyl_parse Qt6::Widgets)
zyl_warnings(zyl_dialogs)
