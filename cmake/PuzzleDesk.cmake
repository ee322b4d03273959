# A back include (a layer including a header of one above it) fails the build before anything
# compiles.
add_custom_target(layer_check ALL
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
            -P ${PROJECT_SOURCE_DIR}/cmake/check_layers.cmake
    COMMENT "Checking includes against the layer line"
    VERBATIM)

# pd_subsystem(NAME DEPENDS <targets...>)
# One static library per subsystem folder, made of every .cpp in it, named pd_<NAME>. DEPENDS
# names only libraries that stand before it in the layer line.
function(pd_subsystem name)
    cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    if(sources)
        add_library(pd_${name} STATIC ${sources})
        add_dependencies(pd_${name} layer_check)
        target_include_directories(pd_${name} PUBLIC ${PROJECT_SOURCE_DIR})
        target_link_libraries(pd_${name} PUBLIC ${ARG_DEPENDS})
    else()
        # A subsystem with headers only (or none yet) still links like the others.
        add_library(pd_${name} INTERFACE)
        target_include_directories(pd_${name} INTERFACE ${PROJECT_SOURCE_DIR})
        target_link_libraries(pd_${name} INTERFACE ${ARG_DEPENDS})
    endif()
endfunction()

# pd_test_folder(FOLDER LIBS <targets...>)
# One test executable per folder of tests/, made of every *_test.cpp in it.
function(pd_test_folder folder)
    cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*_test.cpp)
    if(NOT sources)
        return()
    endif()
    string(REPLACE "/" "_" name ${folder})
    add_executable(test_${name} ${sources})
    target_link_libraries(test_${name} PRIVATE ${ARG_LIBS} pd_test_support GTest::gmock GTest::gtest_main)
    gtest_discover_tests(test_${name}
        WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
        DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT "PD_GAME_DIR=${PD_GAME_DIR}")
endfunction()

# pd_benchmark(NAME SOURCES <files...> LIBS <targets...>)
function(pd_benchmark name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(bench_${name} ${ARG_SOURCES})
    target_link_libraries(bench_${name} PRIVATE ${ARG_LIBS} benchmark::benchmark)
endfunction()
