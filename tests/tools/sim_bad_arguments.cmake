# Each malformed command line gets one line on stderr that names its fault, nothing on
# stdout, and exit status 2. Each case is the arguments, separated by '|', then '=>'
# and what the error line must say.
set(cases
  "--rounds|3=>unknown argument '--rounds'"
  "games=>unknown argument 'games'"
  "--games=>--games needs a value"
  "--p0=>--p0 needs a value"
  "--games|0=>not '0'"
  "--games|-4=>not '-4'"
  "--games|+4=>not '+4'"
  "--games|4.5=>not '4.5'"
  "--games|12x=>not '12x'"
  "--games|100000001=>not '100000001'"
  "--games==>not ''"
  "--seed|x1=>--seed needs a whole number"
  "--seed|-1=>not '-1'"
  "--seed|18446744073709551616=>not '18446744073709551616'"
  "--p0|medium=>not 'medium'"
  "--p1|Hard=>--p1 needs easy, hard or expert, not 'Hard'"
  "--p0|experts=>--p0 needs easy, hard or expert, not 'experts'"
  "--p1==>not ''"
  "--games|5|extra=>unknown argument 'extra'")
foreach(case IN LISTS cases)
  string(REGEX REPLACE "=>.*" "" args "${case}")
  string(REGEX REPLACE ".*=>" "" says "${case}")
  string(REPLACE "|" ";" arglist "${args}")
  execute_process(COMMAND ${SIM} ${arglist} RESULT_VARIABLE status
                  OUTPUT_VARIABLE out ERROR_VARIABLE err)
  string(FIND "${err}" "${says}" found)
  if(NOT status EQUAL 2 OR NOT err MATCHES "^tarmigo-sim: [^\n]+\n$" OR found EQUAL -1
     OR NOT out STREQUAL "")
    message(FATAL_ERROR "'${args}': status ${status}, stderr '${err}' (due: '${says}'), stdout '${out}'")
  endif()
endforeach()
# --help wins wherever it stands.
execute_process(COMMAND ${SIM} --games 3 --help RESULT_VARIABLE status OUTPUT_VARIABLE out)
if(NOT status EQUAL 0 OR NOT out MATCHES "^usage: tarmigo-sim")
  message(FATAL_ERROR "--help: status ${status}, output '${out}'")
endif()
