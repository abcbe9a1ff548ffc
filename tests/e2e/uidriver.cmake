# Drives the real Setup.exe from a scenario file and prints a transcript.
add_executable(uidriver
    tests/e2e/uidriver/main.cpp
    tests/e2e/uidriver/script.cpp
    tests/e2e/uidriver/text.cpp
    tests/e2e/uidriver/session.cpp
    tests/e2e/uidriver/window_query.cpp
    tests/e2e/uidriver/remote_list.cpp
    tests/e2e/uidriver/dialog_template.cpp
    tests/e2e/uidriver/layout.cpp
    tests/e2e/uidriver/command_table.cpp
    tests/e2e/uidriver/commands_process.cpp
    tests/e2e/uidriver/commands_expect.cpp
    tests/e2e/uidriver/commands_list.cpp
    tests/e2e/uidriver/commands_action.cpp
    tests/e2e/uidriver/commands_misc.cpp
)
# Wide APIs throughout: captions and resource texts are not ANSI.
target_compile_definitions(uidriver PRIVATE UNICODE _UNICODE)
target_link_libraries(uidriver PRIVATE comctl32 shell32 user32 gdi32 kernel32)
target_link_options(uidriver PRIVATE -static -static-libgcc -static-libstdc++)
