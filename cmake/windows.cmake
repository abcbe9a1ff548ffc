# Windows build: the Win32 side of the platform seam, and the programs.
add_compile_definitions(WINVER=0x0500 _WIN32_WINNT=0x0500 _WIN32_IE=0x0500)
add_compile_options(-ffunction-sections -fdata-sections)
# Static runtime: nothing but Windows' own DLLs is imported. Subsystem 5.0 so
# that Windows 2000 loads the program.
set(WIN_LINK_OPTIONS -static -static-libgcc -static-libstdc++ -s -Wl,--gc-sections
    -Wl,--major-subsystem-version,5 -Wl,--minor-subsystem-version,0
    -Wl,--major-os-version,5 -Wl,--minor-os-version,0)

add_library(platform_win32 STATIC
    platform/win32/win_spooler.cpp
    platform/win32/win_install_platform.cpp
    platform/win32/win_system_info.cpp
    platform/win32/message_box.cpp
)
target_link_libraries(platform_win32 PUBLIC engine winspool advapi32 user32 kernel32)

include(cmake/setup_exe.cmake)

include(tests/e2e/e2e.cmake)
