# Product build: x86-64 Windows executables from the mingw-w64 cross compilers
# (posix thread model), with libgcc and libstdc++ linked statically so that
# setup.exe and its tools need no runtime DLLs beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(HALVIX_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   ${HALVIX_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HALVIX_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${HALVIX_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${HALVIX_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# There is no cross pkg-config; the plain one reads the mingw .pc files.
set(ENV{PKG_CONFIG_LIBDIR} /usr/${HALVIX_MINGW_TRIPLE}/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")

set(CMAKE_EXE_LINKER_FLAGS_INIT    "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(ZLIB_USE_STATIC_LIBS ON)

# Tests run through Wine; the wrapper lives in the build tree (tests/wine).
# A -D on the command line wins.
if(NOT DEFINED CMAKE_CROSSCOMPILING_EMULATOR)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine/run-wine)
endif()
