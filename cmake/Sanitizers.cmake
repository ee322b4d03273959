# Instrumented builds. PD_SANITIZE: AddressSanitizer (with leak checking) and
# UndefinedBehaviorSanitizer, any undefined behaviour fatal; CI runs the whole suite so.
# PD_FUZZ (clang): the same sanitizers plus libFuzzer's coverage, for the fuzz targets alone.
option(PD_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(PD_FUZZ "Build the fuzz targets for libFuzzer (clang only)" OFF)

if(PD_SANITIZE OR PD_FUZZ)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
if(PD_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "PD_FUZZ needs clang: configure with CC=clang CXX=clang++")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()
