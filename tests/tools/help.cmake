# --help prints the usage and exits 0 with no display at all, after a command too; an
# unknown option is refused with one line and a non-zero status.
# Run with -DPROGRAMS=<path;path...>.
foreach(program IN LISTS PROGRAMS)
  get_filename_component(name "${program}" NAME)
  set(helps "--help" "--lang de --help")
  if(name STREQUAL "tarmigo-peer")
    set(helps "--help" "join --help" "host --port 1 --help" "flood --help" "check --help")
  endif()
  foreach(shown IN LISTS helps)
    separate_arguments(args UNIX_COMMAND "${shown}")
    execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                            --unset=QT_QPA_PLATFORM ${program} ${args}
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 20)
    if(NOT status EQUAL 0 OR NOT out MATCHES "^usage: ${name}" OR NOT err STREQUAL "")
      message(FATAL_ERROR "${name} ${shown}: status ${status}, output '${out}', errors '${err}'")
    endif()
  endforeach()
  set(refused "--no-such-option")
  if(name STREQUAL "tarmigo")
    list(APPEND refused "-platform offscreen -reverse=1" "game.sav" "--lang")
  endif()
  foreach(shown IN LISTS refused)
    separate_arguments(args UNIX_COMMAND "${shown}")
    execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=QT_QPA_PLATFORM
                            ${program} ${args}
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 20)
    list(GET args -1 last)
    if(status EQUAL 0 OR NOT err MATCHES "^${name}: [^\n]*${last}[^\n]*\n$")
      message(FATAL_ERROR "${name} ${shown}: status ${status}, errors '${err}'")
    endif()
  endforeach()
endforeach()
