# Cross-building Valutrino.exe for 32-bit Windows with Debian's mingw-w64:
#   cmake -S . -B build-win32 --toolchain cmake/mingw-w64-i686.cmake
set(CMAKE_SYSTEM_PROCESSOR x86)
set(triplet i686-w64-mingw32)
# ctest runs the tests under 32-bit Wine, in a 32-bit or a 64-bit prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
