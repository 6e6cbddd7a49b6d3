# Runs one console scenario and compares its output with the expected output beside
# it (same name, ending ".out"). A line "# status: N" in the script gives the exit
# status expected; otherwise it is 0.
get_filename_component(dir ${SCRIPT} DIRECTORY)
get_filename_component(name ${SCRIPT} NAME_WE)
file(READ ${SCRIPT} script_text)
set(expected_status 0)
if(script_text MATCHES "# status: ([0-9]+)")
  set(expected_status ${CMAKE_MATCH_1})
endif()
execute_process(COMMAND ${SIM} run ${SCRIPT}
                OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE status)
file(READ ${dir}/${name}.out expected)
if(NOT status EQUAL expected_status)
  message(FATAL_ERROR "exit status ${status}, expected ${expected_status}\n${errors}\n${actual}")
endif()
if(NOT actual STREQUAL expected)
  message(FATAL_ERROR "output differs\n--- expected\n${expected}--- actual\n${actual}--- errors\n${errors}")
endif()
