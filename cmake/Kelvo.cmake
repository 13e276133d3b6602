# Helpers every folder uses, so compile flags, sanitizers and test isolation are
# decided in one place.

add_library(kelvo_flags INTERFACE)
target_compile_options(kelvo_flags INTERFACE -Wall -Wextra)
if(KELVO_SANITIZE)
    target_compile_options(kelvo_flags INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined -O1)
    target_link_options(kelvo_flags INTERFACE -fsanitize=address,undefined)
endif()

# kelvo_add_library(<name> <sources...>): a static library of the project.
function(kelvo_add_library name)
    add_library(${name} STATIC ${ARGN})
    target_link_libraries(${name} PRIVATE kelvo_flags)
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_BINARY_DIR})
endfunction()

# kelvo_add_executable(<name> <sources...>): a program built with the project's flags.
function(kelvo_add_executable name)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE kelvo_flags)
endfunction()

set(KELVO_RUN_ISOLATED ${CMAKE_SOURCE_DIR}/cmake/run-isolated.sh)

# kelvo_add_test(<name> SOURCES ... [LIBS ...] [GUI] [NO_LSAN] [TIMEOUT s] [RESOURCE_LOCK l])
# Each test runs in its own temporary working directory, HOME and XDG_RUNTIME_DIR,
# so tests can run in parallel. GUI tests and tests that load X/GL code run
# without LeakSanitizer: the X and GL libraries keep allocations until exit.
function(kelvo_add_test name)
    cmake_parse_arguments(T "GUI;NO_LSAN" "TIMEOUT;RESOURCE_LOCK" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE kelvo_flags Qt5::Test ${T_LIBS})
    target_compile_definitions(${name} PRIVATE
        KELVO_TEST_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
        KELVO_TEST_BINARY_DIR="${CMAKE_BINARY_DIR}")
    add_test(NAME ${name} COMMAND ${KELVO_RUN_ISOLATED} $<TARGET_FILE:${name}>)
    set(leaks 1)
    if(T_GUI OR T_NO_LSAN)
        set(leaks 0)
    endif()
    set(env
        "QT_QPA_PLATFORM=offscreen"
        "ASAN_OPTIONS=detect_leaks=${leaks}:abort_on_error=0:strict_string_checks=1"
        "UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1"
        "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/cmake/lsan.supp")
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 300)
    endif()
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT ${T_TIMEOUT})
    if(T_RESOURCE_LOCK)
        set_tests_properties(${name} PROPERTIES RESOURCE_LOCK ${T_RESOURCE_LOCK})
    endif()
endfunction()

option(KELVO_FUZZ "Build fuzz harnesses for libFuzzer (clang only)" OFF)

# kelvo_add_fuzzer(<name> SOURCES ... [LIBS ...] CORPUS <dir>)
# The sources define LLVMFuzzerTestOneInput. Normally the harness is linked with
# a small driver that replays every file of the seed corpus, and runs as a test
# under the sanitizers; with KELVO_FUZZ (clang) it is a real libFuzzer binary.
function(kelvo_add_fuzzer name)
    cmake_parse_arguments(F "" "CORPUS" "SOURCES;LIBS" ${ARGN})
    if(KELVO_FUZZ)
        add_executable(${name} ${F_SOURCES})
        target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
        target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
        target_link_libraries(${name} PRIVATE ${F_LIBS})
    else()
        add_executable(${name} ${F_SOURCES} ${CMAKE_SOURCE_DIR}/cmake/fuzz_replay_main.cpp)
        target_link_libraries(${name} PRIVATE kelvo_flags ${F_LIBS})
        add_test(NAME ${name} COMMAND ${KELVO_RUN_ISOLATED} $<TARGET_FILE:${name}> ${F_CORPUS})
        set_tests_properties(${name} PROPERTIES ENVIRONMENT
            "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=1;UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1"
            TIMEOUT 300)
    endif()
endfunction()
