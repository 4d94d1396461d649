# CMake toolchain file: cross compiling for 64-bit Windows with Debian's
# MinGW-w64 GCC, POSIX thread model (package g++-mingw-w64-x86-64-posix).
#
# scripts/windows/toolchain builds Qt for Windows with this file and keeps a
# copy of it inside the Qt prefix; Qt's own lib/cmake/Qt6/qt.toolchain.cmake
# then loads that copy. So a Windows build of the project normally uses Qt's:
#   cmake -DCMAKE_TOOLCHAIN_FILE=$QT_WINDOWS_PREFIX/lib/cmake/Qt6/qt.toolchain.cmake ...
# and only a build without Qt would name this file directly.
#
# Extra Windows prefixes (libsodium) are taken from the variable or the
# environment variable SODIUM_WINDOWS_PREFIX, as printed by
# `scripts/windows/toolchain --print-prefixes`. The environment is what
# reaches try_compile() projects, so export it rather than pass -D.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(_parolex_triple x86_64-w64-mingw32)
# The -posix variants: the -win32 thread model lacks std::thread/std::mutex
# in GCC 12, which Qt needs.
set(CMAKE_C_COMPILER ${_parolex_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_parolex_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${_parolex_triple}-windres)

# Look for libraries, headers and CMake packages only in the Windows
# sysroot (and the prefixes added below), programs only on the host.
set(CMAKE_FIND_ROOT_PATH /usr/${_parolex_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

if(NOT SODIUM_WINDOWS_PREFIX AND DEFINED ENV{SODIUM_WINDOWS_PREFIX})
    set(SODIUM_WINDOWS_PREFIX "$ENV{SODIUM_WINDOWS_PREFIX}")
endif()

# pkg-config must never answer with the host's .pc files (libsodium-dev's
# would hand out /usr/include): point it at Windows .pc files only.
set(_parolex_pc_dirs /usr/${_parolex_triple}/lib/pkgconfig)
if(SODIUM_WINDOWS_PREFIX)
    list(PREPEND _parolex_pc_dirs "${SODIUM_WINDOWS_PREFIX}/lib/pkgconfig")
    list(APPEND CMAKE_FIND_ROOT_PATH "${SODIUM_WINDOWS_PREFIX}")
endif()
list(JOIN _parolex_pc_dirs ":" _parolex_pc_dirs)
set(ENV{PKG_CONFIG_LIBDIR} "${_parolex_pc_dirs}")
unset(ENV{PKG_CONFIG_PATH})
set(ENV{PKG_CONFIG_SYSROOT_DIR} "")
