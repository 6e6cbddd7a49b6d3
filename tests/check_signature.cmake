# Plays the bench's whole games and compares the signature of the machine's
# behaviour, and the counts beside it, with the values committed in
# tests/CMakeLists.txt. A deliberate change of behaviour updates them in the same
# commit, saying why.
execute_process(COMMAND ${SIM} bench OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "plonk-sim bench ended with status ${status}\n${errors}")
endif()
string(REGEX MATCH "^signature [0-9a-f]+\n[^\n]*" actual "${output}")
set(expected "signature ${SIGNATURE}\n${COUNTS}")
if(NOT actual STREQUAL expected)
  message(FATAL_ERROR "the machine's behaviour changed\n--- expected\n${expected}\n--- actual\n${actual}")
endif()
