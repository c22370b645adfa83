# What both Windows toolchains share; the file of each architecture sets
# CMAKE_SYSTEM_PROCESSOR, triplet and the Wine that runs its tests first.
set(CMAKE_SYSTEM_NAME Windows)

# The POSIX threading flavour: std::thread and friends, which the win32
# flavour of GCC 12 lacks.
set(CMAKE_C_COMPILER ${triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${triplet}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# One file that runs anywhere: the C++ runtime, libgcc and winpthread linked
# in; sections nothing uses dropped, symbols stripped.
set(CMAKE_CXX_FLAGS_INIT "-ffunction-sections -fdata-sections")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -Wl,--gc-sections -s")
