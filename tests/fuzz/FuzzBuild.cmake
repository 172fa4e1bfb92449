# Initial cache for the fuzzing build:
#   cmake -S . -B build-fuzz -G Ninja -C tests/fuzz/FuzzBuild.cmake
# Everything in that build is compiled by clang with AddressSanitizer and
# UndefinedBehaviorSanitizer (GAME_SANITIZE) and with libFuzzer's coverage
# instrumentation, so the readers the fuzz targets call report the edges they
# reach; only the fuzz executables link libFuzzer's main.
set(CMAKE_C_COMPILER clang CACHE STRING "")
set(CMAKE_CXX_COMPILER clang++ CACHE STRING "")
set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "")
set(CMAKE_C_FLAGS "-fsanitize=fuzzer-no-link" CACHE STRING "")
set(CMAKE_CXX_FLAGS "-fsanitize=fuzzer-no-link" CACHE STRING "")
set(GAME_SANITIZE ON CACHE BOOL "")
set(GAME_FUZZ ON CACHE BOOL "")
set(GAME_BUILD_BENCH OFF CACHE BOOL "")
