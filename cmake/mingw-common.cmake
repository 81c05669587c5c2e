# On Linux the cross compilers carry the target as a prefix and "-posix" as the
# thread model (GoogleTest needs std::mutex); on Windows the mingw-w64 in PATH
# already targets itself.
macro(mingw_toolchain triple)
  if(CMAKE_HOST_WIN32)
    set(CMAKE_C_COMPILER gcc)
    set(CMAKE_CXX_COMPILER g++)
    set(CMAKE_RC_COMPILER windres)
  else()
    set(CMAKE_C_COMPILER ${triple}-gcc-posix)
    set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
    set(CMAKE_RC_COMPILER ${triple}-windres)
    set(CMAKE_FIND_ROOT_PATH /usr/${triple})
    set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
    set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
    set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
    # Tests run under Wine here; scripts/wine-run picks the loader by bitness.
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
  endif()
endmacro()
