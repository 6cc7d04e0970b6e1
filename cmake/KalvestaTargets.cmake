# Helpers that keep the per-folder CMake files to one line each: sources are
# collected by folder, so adding a file to a folder needs no CMake edit; the
# warnings every target of ours is built with; the include roots that keep each
# library's users to the headers they may include.

# The warnings: linked privately by each of our targets, so that they reach no
# code of others' built in this tree.
add_library(kalvesta_warnings INTERFACE)
target_compile_options(kalvesta_warnings INTERFACE -Wall -Wextra -Wshadow -Wconversion
                       # clang's -Wconversion as gcc's, which leaves signedness alone
                       $<$<CXX_COMPILER_ID:Clang>:-Wno-sign-conversion>)

# kalvesta_headers(<target> <PUBLIC|PRIVATE> <base dir> <folder>...): the target
# (and, PUBLIC, its users) include "<folder>/x.h" from these folders of <base dir>
# and from no other folder there. Each target gets an include root of its own in
# the build tree holding links to just its folders, so that an include across
# the layers does not compile.
function(kalvesta_headers target scope base)
    set(root "${PROJECT_BINARY_DIR}/include/${target}")
    file(MAKE_DIRECTORY "${root}")
    foreach(folder IN LISTS ARGN)
        file(CREATE_LINK "${base}/${folder}" "${root}/${folder}" SYMBOLIC)
    endforeach()
    target_include_directories(${target} ${scope} "${root}")
endfunction()

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
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main
                                          kalvesta_warnings)
    target_compile_definitions(${name} PRIVATE
        KALVESTA_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
        KALVESTA_BINARY_DIR="${PROJECT_BINARY_DIR}"
        ${T_DEFS})
    gtest_discover_tests(${name}
        WORKING_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}"
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${T_ENV}"
        DISCOVERY_TIMEOUT 60)
endfunction()
