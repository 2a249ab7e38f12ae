# Configures and builds the fuzzers with clang, then runs one for a bounded time. Any
# crash, sanitizer report, timeout or broken invariant fails the test.
# Inputs: SOURCE_DIR (the project), FUZZ_DIR (this folder), BINARY_DIR, CLANGXX,
# QT6_DIR, GENERATOR, MAKE_PROGRAM, SECONDS, FUZZER (its name), DICT, SEEDS (folder).
function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "failed (${result}): ${ARGN}")
    endif()
endfunction()

run(${CMAKE_COMMAND} -S ${FUZZ_DIR}/project -B ${BINARY_DIR} -G ${GENERATOR}
    -DCMAKE_MAKE_PROGRAM=${MAKE_PROGRAM} -DCMAKE_CXX_COMPILER=${CLANGXX} -DCMAKE_BUILD_TYPE=
    -DQt6_DIR=${QT6_DIR} -DTABLEVANE_SOURCE_DIR=${SOURCE_DIR})
run(${CMAKE_COMMAND} --build ${BINARY_DIR})

# New inputs found while fuzzing go into a working corpus; the seeds stay untouched.
set(corpus ${BINARY_DIR}/corpus-${FUZZER})
file(MAKE_DIRECTORY ${corpus})
run(${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1
    ${BINARY_DIR}/${FUZZER} -max_total_time=${SECONDS} -timeout=10 -rss_limit_mb=2048 -max_len=65536
    -dict=${DICT} -artifact_prefix=${BINARY_DIR}/${FUZZER}- -print_final_stats=1
    ${corpus} ${SEEDS})
