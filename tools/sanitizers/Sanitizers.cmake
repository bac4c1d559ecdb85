# SPDX-License-Identifier: MIT
# Instrumented builds, chosen at configure time; included before any target
# so that every program and library of the build gets the same flags. Both
# need clang (CC=clang CXX=clang++): GCC 12 miscompiles a loop of shifts and
# array reads when its shift and bounds checks are on together (the replay's
# stick flags came out as 31 instead of 25).
#
# CORVANEL_SANITIZE (make test-sanitize): AddressSanitizer with its
# LeakSanitizer, and UndefinedBehaviorSanitizer, which stops the program at
# the first report so that a test cannot pass over undefined behaviour.
#
# CORVANEL_FUZZ (make fuzz): the game's code instrumented for libFuzzer, with
# the same sanitizers; the fuzz targets in tools/fuzz link the fuzzer's main.
option(CORVANEL_SANITIZE "Build everything with ASan, LSan and UBSan (clang)" OFF)
option(CORVANEL_FUZZ "Build the libFuzzer targets of tools/fuzz (clang)" OFF)

if(CORVANEL_SANITIZE OR CORVANEL_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "the sanitizer and fuzzer builds need clang: CC=clang CXX=clang++")
  endif()
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
if(CORVANEL_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
