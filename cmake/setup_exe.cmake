# Setup.exe: the wizard on our own dialog layer.
enable_language(RC)

set(SETUP_UI_SOURCES
    ui/cmd_target.cpp
    ui/controls.cpp
    ui/dialog.cpp
    ui/dialog_init.cpp
    ui/win_app.cpp
)
set(SETUP_SOURCES
    app/os_checks.cpp
    app/setup_app.cpp
    pages/about_dlg.cpp
    pages/create_port_dlg.cpp
    pages/detail_setting_dlg.cpp
    pages/select_os_dlg.cpp
    pages/select_port_dlg.cpp
    res/setup.rc
)

add_executable(Setup WIN32 ${SETUP_UI_SOURCES} ${SETUP_SOURCES})
target_include_directories(Setup PRIVATE ${CMAKE_SOURCE_DIR})
# The resource script is UTF-8 (its Chinese texts included).
set_property(SOURCE res/setup.rc APPEND PROPERTY COMPILE_OPTIONS -c 65001)
target_link_libraries(Setup PRIVATE platform_win32 comctl32 shell32 gdi32 user32)
target_link_options(Setup PRIVATE -mwindows ${WIN_LINK_OPTIONS})
