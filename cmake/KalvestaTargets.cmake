# Helpers that keep the per-folder CMake files to one line each: sources are
# collected by folder, so adding a file to a folder needs no CMake edit.

# kalvesta_sources(<var> <dir>...): every .cpp in the given folders.
function(kalvesta_sources out)
    set(files)
    foreach(dir IN LISTS ARGN)
        file(GLOB found CONFIGURE_DEPENDS "${dir}/*.cpp")
        list(APPEND files ${found})
    endforeach()
    set(${out} ${files} PARENT_SCOPE)
endfunction()

# kalvesta_test(<name> <dir> LIBS <libs...>): one GoogleTest executable per
# test folder, registered with CTest test by test.
function(kalvesta_test name dir)
    cmake_parse_arguments(T "" "" "LIBS;ENV;DEFS" ${ARGN})
    kalvesta_sources(srcs ${dir})
    if(NOT srcs)
        return()
    endif()
    add_executable(${name} ${srcs})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
    target_compile_definitions(${name} PRIVATE
        KALVESTA_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
        KALVESTA_BINARY_DIR="${PROJECT_BINARY_DIR}"
        ${T_DEFS})
    gtest_discover_tests(${name}
        WORKING_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}"
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${T_ENV}"
        DISCOVERY_TIMEOUT 60)
endfunction()
