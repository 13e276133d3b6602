# Helpers every folder uses, so compile flags, sanitizers and test isolation are
# decided in one place.

add_library(kelvo_flags INTERFACE)
target_compile_options(kelvo_flags INTERFACE -Wall -Wextra)
# CI (scripts/test, scripts/test-tsan) fails on a new warning of ours. Qt's,
# FFmpeg's and the other packages' headers come in by their imported targets
# as -isystem, so their warnings never count; other builds only print ours,
# so a newer compiler does not stop someone building the client.
option(KELVO_WERROR "Fail the build on a warning in the project's own code" OFF)
if(KELVO_WERROR)
    target_compile_options(kelvo_flags INTERFACE -Werror)
endif()
if(KELVO_SANITIZE AND KELVO_TSAN)
    message(FATAL_ERROR "KELVO_SANITIZE and KELVO_TSAN exclude each other: ThreadSanitizer cannot share a "
                        "program with AddressSanitizer; use a build tree for each")
endif()
if(KELVO_SANITIZE)
    target_compile_options(kelvo_flags INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined -O1)
    target_link_options(kelvo_flags INTERFACE -fsanitize=address,undefined)
endif()
if(KELVO_TSAN)
    # Qt and FFmpeg stay uninstrumented: what they do inside is not seen, and
    # cmake/tsan.supp names the few places where that shows as a false report.
    target_compile_options(kelvo_flags INTERFACE -fsanitize=thread -fno-omit-frame-pointer -g -O1)
    target_link_options(kelvo_flags INTERFACE -fsanitize=thread)
endif()

# Every program of a ThreadSanitizer build tells the sanitizer how Qt orders
# its threads (cmake/tsan_qt_sync.cpp).
function(kelvo_tsan_program name)
    if(KELVO_TSAN)
        target_sources(${name} PRIVATE ${CMAKE_SOURCE_DIR}/cmake/tsan_qt_sync.cpp)
        target_link_libraries(${name} PRIVATE Qt5::Core)
    endif()
endfunction()

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
    kelvo_tsan_program(${name})
endfunction()

set(KELVO_RUN_ISOLATED ${CMAKE_SOURCE_DIR}/cmake/run-isolated.sh)

# A test that starts the RTSP server talks to a simulated device too; known
# only once its folder has added its dependencies, so looked at then.
function(kelvo_label_peer_test name)
    get_target_property(deps ${name} MANUALLY_ADDED_DEPENDENCIES)
    if(deps AND "kelvo_rtspserver" IN_LIST deps)
        set_property(TEST ${name} APPEND PROPERTY LABELS device)
    endif()
endfunction()

# kelvo_add_test(<name> SOURCES ... [LIBS ...] [GUI] [NO_LSAN] [TIMEOUT s] [RESOURCE_LOCK l])
# Each test runs in its own temporary working directory, HOME and XDG_RUNTIME_DIR,
# so tests can run in parallel. GUI tests and tests that load X/GL code run
# without LeakSanitizer: the X and GL libraries keep allocations until exit.
# Labels let ctest -L choose them (scripts/test-steady): "gui" for GUI tests,
# "device" for tests that talk to a simulated peer (simdevice, onvifcam, the
# RTSP server).
function(kelvo_add_test name)
    cmake_parse_arguments(T "GUI;NO_LSAN" "TIMEOUT;RESOURCE_LOCK" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE kelvo_flags Qt5::Test ${T_LIBS})
    kelvo_tsan_program(${name})
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
        "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/cmake/lsan.supp"
        "TSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/cmake/tsan.supp:ignore_noninstrumented_modules=1:second_deadlock_stack=1:history_size=7")
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 300)
    endif()
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT ${T_TIMEOUT})
    if(T_RESOURCE_LOCK)
        set_tests_properties(${name} PROPERTIES RESOURCE_LOCK ${T_RESOURCE_LOCK})
    endif()
    set(labels)
    if(T_GUI)
        list(APPEND labels gui)
    endif()
    if("simdevice" IN_LIST T_LIBS OR "onvifcam" IN_LIST T_LIBS)
        list(APPEND labels device)
    endif()
    if(labels)
        set_tests_properties(${name} PROPERTIES LABELS "${labels}")
    endif()
    cmake_language(EVAL CODE "cmake_language(DEFER CALL kelvo_label_peer_test [[${name}]])")
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
        kelvo_tsan_program(${name})
        add_test(NAME ${name} COMMAND ${KELVO_RUN_ISOLATED} $<TARGET_FILE:${name}> ${F_CORPUS})
        set_tests_properties(${name} PROPERTIES ENVIRONMENT
            "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=1;UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1"
            TIMEOUT 300)
    endif()
endfunction()
