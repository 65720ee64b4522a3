# Runs the same simulation twice; everything but the speed line must agree. A value
# follows its option after a space or '=', and the last of a repeated option counts.
set(args --games=3 --seed 1 --p0=easy --p1 hard --games 20 --seed=18446744073709551615
         --p0 hard --p1=easy)
foreach(run first second)
  execute_process(COMMAND ${SIM} ${args} RESULT_VARIABLE status OUTPUT_VARIABLE out)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "tarmigo-sim exited with ${status}")
  endif()
  string(REGEX REPLACE "\nspeed [^\n]*" "" ${run} "${out}")
endforeach()
if(NOT first STREQUAL second)
  message(FATAL_ERROR "two runs differ:\n${first}\n---\n${second}")
endif()
if(NOT first MATCHES "^tarmigo-sim: 20 games, seed 18446744073709551615, player 0 hard, player 1 easy\n"
   OR NOT first MATCHES "games won")
  message(FATAL_ERROR "not the run asked for:\n${first}")
endif()
