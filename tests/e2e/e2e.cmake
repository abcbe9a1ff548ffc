# Helper programs of the end-to-end tests (Windows build only).
add_executable(stub_installer WIN32 tests/e2e/stub_installer.cpp)
target_link_options(stub_installer PRIVATE ${WIN_LINK_OPTIONS})

add_executable(spool_report tests/e2e/spool_report.cpp)
target_link_libraries(spool_report PRIVATE winspool)
target_link_options(spool_report PRIVATE ${WIN_LINK_OPTIONS})

add_executable(registry_message_probe WIN32 tests/e2e/registry_message_probe.cpp)
target_link_libraries(registry_message_probe PRIVATE platform_win32)
target_link_options(registry_message_probe PRIVATE -mconsole ${WIN_LINK_OPTIONS})

include(tests/e2e/uidriver.cmake)

# Launch-time yardstick for the end-to-end measurements.
add_executable(bare_dialog WIN32 tests/e2e/bare_dialog.cpp)
target_link_options(bare_dialog PRIVATE ${WIN_LINK_OPTIONS})

# ctest in the Windows build: the built program's PE check, and every
# end-to-end scenario under Wine (needs scripts/wine-setup.sh done once).
enable_testing()
add_test(NAME pe_check COMMAND python3 ${CMAKE_SOURCE_DIR}/tests/win32/check_pe.py $<TARGET_FILE:Setup>)
add_test(NAME e2e COMMAND python3 ${CMAKE_SOURCE_DIR}/tests/e2e/run_scenarios.py --build ${CMAKE_BINARY_DIR})
set_tests_properties(e2e PROPERTIES TIMEOUT 900)
