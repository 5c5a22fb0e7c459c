# SPDX-License-Identifier: GPL-3.0-or-later
# Cross build for 64-bit ARM on a Debian host with the arm64 architecture
# added (multiarch): the target's libraries and their CMake and pkg-config
# files are in /usr/lib/aarch64-linux-gnu, its headers in /usr/include.
#   cmake -S . -B build-arm64 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-arm64.cmake
# scripts/cross-arm64.sh installs what this needs and runs the tests.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)

set(VEXARIA_TARGET_TRIPLE aarch64-linux-gnu)
set(CMAKE_C_COMPILER ${VEXARIA_TARGET_TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${VEXARIA_TARGET_TRIPLE}-g++)
set(CMAKE_LIBRARY_ARCHITECTURE ${VEXARIA_TARGET_TRIPLE})

# Multiarch keeps both architectures under one root, so libraries, headers
# and packages are looked up there (CMAKE_LIBRARY_ARCHITECTURE picks the
# arm64 folder); programs are the host's.
set(CMAKE_FIND_ROOT_PATH /)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config, which some of Qt's dependencies are found through, must read
# the target's .pc files, never the host's.
set(ENV{PKG_CONFIG_LIBDIR}
    /usr/lib/${VEXARIA_TARGET_TRIPLE}/pkgconfig:/usr/share/pkgconfig)
unset(ENV{PKG_CONFIG_PATH})

# moc, uic and rcc run at build time, so they are the host's Qt tools.
set(QT_HOST_PATH /usr)

# The build runs two of its own programs (make_icon draws the icons, make_help
# writes the help document) and CTest runs the tests: all are arm64 programs,
# run on this host by user-mode emulation. The emulator takes the dynamic
# loader from the multiarch libc6:arm64, the same glibc build as the libc.so.6
# it then loads. Not "-L /usr/aarch64-linux-gnu": that folder's loader belongs
# to the cross compiler's libc6-arm64-cross, another build of glibc (Debian 12:
# 2.36-8 against 2.36-9+deb12uN), and with the two mixed a program that starts
# a thread (every Qt Test program, for its watchdog) spins forever in
# pthread_create.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/qemu-aarch64-static)
