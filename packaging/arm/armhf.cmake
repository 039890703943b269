# 32-bit ARM with hardware floating point: Debian's armhf, ARMv7 and later (Raspberry Pi 2, and
# the later boards under a 32-bit system). ARMv6 boards (the first Pi and Zero) cannot run it.
set(VANTREL_TRIPLET arm-linux-gnueabihf)
set(VANTREL_QEMU qemu-arm)
set(CMAKE_SYSTEM_PROCESSOR armv7l)
include(${CMAKE_CURRENT_LIST_DIR}/debian-arm.cmake)
