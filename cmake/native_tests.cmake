# Native build: the engine and its unit tests, with AddressSanitizer and UBSan.
set(SANITIZE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
target_compile_options(engine PRIVATE ${SANITIZE})
target_link_options(engine PUBLIC ${SANITIZE})

find_package(GTest REQUIRED)
enable_testing()
add_subdirectory(tests)
