# cmake -DFUZZER=... -DSEEDS=... -DWORK=... -DSECONDS=... -P RunFuzzer.cmake
#
# Fuzzes from a fresh copy of the seeds, so that what libFuzzer adds to its
# corpus stays in the build tree and every run starts from the same inputs.
# An input that breaks a property is saved in WORK as crash-<sha1>.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/corpus")
file(COPY "${SEEDS}/" DESTINATION "${WORK}/corpus")

execute_process(
    COMMAND "${FUZZER}" -max_total_time=${SECONDS} -seed=1 -rss_limit_mb=2048
        -print_final_stats=1 "-artifact_prefix=${WORK}/" "${WORK}/corpus"
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${FUZZER} failed (${result}); the input is saved in ${WORK}")
endif()
