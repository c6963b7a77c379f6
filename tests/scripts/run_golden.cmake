# Runs one driver script in a fresh copy of the run folder and compares its output with the
# expected transcript beside it. When NAME.sql exists beside the script, the copy gets a
# database built from the schema and that file instead of the shipped one; a first line
# "-- after FILE.sql" builds FILE.sql (beside the script) before it.
string(REGEX REPLACE "\\.script$" "" stem ${SCRIPT})
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${RUN_DIR}/ DESTINATION ${WORK}/run)
if(EXISTS ${stem}.sql)
  file(REMOVE ${WORK}/run/commandsbackup.mdb)
  set(fixtures ${stem}.sql)
  file(STRINGS ${stem}.sql first LIMIT_COUNT 1)
  if(first MATCHES "^-- after ([^ ]+\\.sql)$")
    get_filename_component(dir ${SCRIPT} DIRECTORY)
    set(fixtures ${dir}/${CMAKE_MATCH_1} ${stem}.sql)
  endif()
  execute_process(COMMAND ${MKDB} ${WORK}/run/commandsbackup.mdb ${SOURCE_DIR}/data/schema.sql
                          ${fixtures} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "fixture database failed: ${stem}.sql")
  endif()
endif()
set(ENV{ROUTEDRILL_CONFIG_DIR} ${WORK}/config)
set(ENV{HOME} ${WORK}/home)
execute_process(COMMAND ${DRIVER} --workdir ${WORK}/run ${SCRIPT}
                OUTPUT_FILE ${WORK}/actual.txt ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "driver failed (${rc}): ${err}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/actual.txt ${stem}.expected
                RESULT_VARIABLE diff)
if(NOT diff EQUAL 0)
  execute_process(COMMAND diff -u ${stem}.expected ${WORK}/actual.txt)
  message(FATAL_ERROR "transcript differs from ${stem}.expected (actual: ${WORK}/actual.txt)")
endif()
