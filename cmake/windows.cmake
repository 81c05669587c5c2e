enable_language(RC)
# Texts are written in UTF-8 and kept in code page 936, the program's ANSI code page.
set(CHARSET_FLAGS -finput-charset=UTF-8 -fexec-charset=CP936)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(MANIFEST_ARCH amd64)
else()
  set(MANIFEST_ARCH x86)
endif()
configure_file(res/clicker.manifest.in ${CMAKE_BINARY_DIR}/clicker.manifest @ONLY)

add_library(clicker_core STATIC
  ${PURE_SOURCES}
  app/runtime.cpp app/heap.cpp app/error_report.cpp app/bound_functions.cpp
  app/stack_checked_call_x86.cpp app/hotkeys.cpp
  ui/property_value.cpp ui/unit_object.cpp ui/controls.cpp ui/label.cpp ui/button.cpp
  ui/edit_box.cpp ui/pic_box.cpp ui/timer.cpp ui/gdi_resources.cpp ui/form_window.cpp
  ui/window_layer.cpp ui/message_pump.cpp ui/keyboard.cpp ui/tray.cpp ui/input.cpp
  mouse/mouse_window.cpp keys/key_window.cpp
  res/forms.cpp res/mouse_form.cpp res/key_form.cpp res/app_icon.cpp)
target_include_directories(clicker_core PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_definitions(clicker_core PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
target_compile_options(clicker_core PUBLIC ${CHARSET_FLAGS} PRIVATE ${WARNINGS})
target_link_libraries(clicker_core PUBLIC user32 gdi32 shell32 ole32 kernel32)
# No compiler DLL beside the .exe.
target_link_options(clicker_core INTERFACE -static -static-libgcc -static-libstdc++)

add_executable(clicker WIN32 app/main.cpp res/clicker.rc)
target_link_libraries(clicker PRIVATE clicker_core)
target_compile_options(clicker PRIVATE ${WARNINGS})
set_source_files_properties(res/clicker.rc PROPERTIES OBJECT_DEPENDS
  "${CMAKE_SOURCE_DIR}/res/clicker.ico;${CMAKE_BINARY_DIR}/clicker.manifest")
target_include_directories(clicker PRIVATE ${CMAKE_BINARY_DIR})

add_subdirectory(tests/support)
add_subdirectory(bench)

if(EXISTS ${GTEST_SOURCE_DIR}/CMakeLists.txt)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  enable_testing()
  add_subdirectory(tests/e2e)
  add_subdirectory(tests/win)
endif()
