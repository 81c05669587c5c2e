# The pure code, tested natively with AddressSanitizer, and its fuzzers.
set(CHARSET_FLAGS -finput-charset=UTF-8 -fexec-charset=CP936)
set(SANITIZE -fsanitize=address,undefined -fno-omit-frame-pointer)

add_library(pure_code STATIC ${PURE_SOURCES} tests/native/native_heap.cpp)
target_include_directories(pure_code PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(pure_code PUBLIC ${CHARSET_FLAGS} ${SANITIZE} PRIVATE ${WARNINGS})
target_link_options(pure_code PUBLIC ${SANITIZE})

enable_testing()
add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
add_subdirectory(tests/native)
