# Cross-builds for 64-bit Windows with Debian's mingw-w64 (the posix thread model, which
# std::thread and std::mutex need). Executables run under Wine when tests are run.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KVD_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KVD_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KVD_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${KVD_MINGW}-windres)

# Headers and libraries of the target only; programs (clang-format, python) of the host.
set(CMAKE_FIND_ROOT_PATH /usr/${KVD_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C++ runtime linked in, so an executable runs without the compiler's DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

find_program(KVD_WINE NAMES wine wine64)
if(KVD_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${KVD_WINE})
endif()
