# Fuzzes the help file reader for a bounded time from the kept inputs and the built file.
# New inputs the fuzzer finds go to a scratch folder, never into the source tree.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR}/found ${WORK_DIR}/seeds)
file(COPY ${HELP_FILE} DESTINATION ${WORK_DIR}/seeds)
execute_process(
  COMMAND ${FUZZER} -max_total_time=${SECONDS} -seed=1 -rss_limit_mb=2048 -max_len=65536
    -artifact_prefix=${WORK_DIR}/ ${WORK_DIR}/found ${WORK_DIR}/seeds ${SEEDS}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "The fuzzer found a failing input (see ${WORK_DIR})")
endif()
