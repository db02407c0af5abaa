# SPDX-License-Identifier: MIT
# Cross build for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64):
#   cmake --preset windows   (the program; Qt for MinGW from scripts/windows-qt)
#   cmake -B build/windows-cli --toolchain cmake/mingw-w64-x86_64.cmake -DQUANTORA_BUILD_GUI=OFF   (quantora-cli alone)
# Programs and tests run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# The posix thread model: std::thread and std::mutex work (the win32 model lacks them in GCC 12).
set(QUANTORA_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUANTORA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUANTORA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QUANTORA_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUANTORA_MINGW_TRIPLE})
# Qt for MinGW lives outside that root (scripts/windows-qt builds it into a cache);
# its prefix, named in CMAKE_PREFIX_PATH, becomes a root of its own.
list(APPEND CMAKE_FIND_ROOT_PATH ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# How a program takes MinGW's C++ runtime (linked in, or as DLLs shared with Qt's) is
# set per program: quantora_self_contained() in the top-level CMakeLists.txt.

# Built programs (tests, build steps) run under Wine.
find_program(QUANTORA_WINE wine)
if(QUANTORA_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QUANTORA_WINE})
endif()
