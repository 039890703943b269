# 64-bit ARM (Raspberry Pi 3, 4, 5, Zero 2 W under a 64-bit system): Debian's arm64.
set(VANTREL_TRIPLET aarch64-linux-gnu)
set(VANTREL_QEMU qemu-aarch64)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/debian-arm.cmake)
