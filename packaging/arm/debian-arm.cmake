# Cross-compiling for Debian on ARM (the Raspberry Pi's Raspberry Pi OS) with Debian's own cross
# toolchain and the target's Qt and libraries installed beside the build machine's (multiarch,
# under /usr/lib/TRIPLET). Included by arm64.cmake and armhf.cmake, which set:
#   VANTREL_TRIPLET           the GNU triplet of the compilers and library directories
#   VANTREL_QEMU              qemu's user-mode emulator for it
set(CMAKE_SYSTEM_NAME Linux)

set(CMAKE_C_COMPILER ${VANTREL_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${VANTREL_TRIPLET}-g++)
set(CMAKE_LIBRARY_ARCHITECTURE ${VANTREL_TRIPLET})
set(PKG_CONFIG_EXECUTABLE ${VANTREL_TRIPLET}-pkg-config CACHE FILEPATH "pkg-config for the target")

# The target's libraries, headers and CMake packages come from its multiarch directories;
# programs (moc, rcc, uic, pkg-config) from the build machine.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${VANTREL_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
# Qt's host tools are the build machine's own (qt6-base-dev-tools).
set(QT_HOST_PATH /usr CACHE PATH "Qt for the build machine")

# CTest, gtest_discover_tests and the start-up checks run the target's programs under qemu;
# -L / gives it the target's dynamic loader and libraries, installed here under /usr/lib/TRIPLET.
# In the cache, where the start-up benchmark reads it too (bench/mesure-demarrage.sh).
set(CMAKE_CROSSCOMPILING_EMULATOR ${VANTREL_QEMU} -L / CACHE STRING "runs the target's programs here")
