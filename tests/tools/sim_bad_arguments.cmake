# Each malformed command line gets one line on stderr and exit status 2.
# Arguments within a case are separated by '|'.
set(cases
  "--frobnicate"
  "--games"
  "--games|0"
  "--games|-3"
  "--games|12x"
  "--games|99999999999999999999"
  "--seed|abc"
  "--seed|-1"
  "--p0|medium"
  "--p1|HARD"
  "--p1="
  "--games|5|extra")
foreach(case IN LISTS cases)
  string(REPLACE "|" " " shown "${case}")
  string(REPLACE "|" ";" arglist "${case}")
  execute_process(COMMAND ${SIM} ${arglist} RESULT_VARIABLE status
                  OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 2)
    message(FATAL_ERROR "'${shown}': exit status ${status}, expected 2")
  endif()
  if(NOT err MATCHES "^tarmigo-sim: [^\n]+\n$")
    message(FATAL_ERROR "'${shown}': stderr is not one tarmigo-sim line: '${err}'")
  endif()
  if(NOT out STREQUAL "")
    message(FATAL_ERROR "'${shown}': printed on stdout: '${out}'")
  endif()
endforeach()
execute_process(COMMAND ${SIM} --help RESULT_VARIABLE status OUTPUT_VARIABLE out)
if(NOT status EQUAL 0 OR NOT out MATCHES "^usage: tarmigo-sim")
  message(FATAL_ERROR "--help: status ${status}, output '${out}'")
endif()
