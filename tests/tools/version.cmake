# Each program's --version prints its name and the project's version on one line and
# exits with status 0, whatever else stands on the command line. Run with
# -DVERSION=<project version> -DPROGRAMS=<path;path...>.
foreach(program IN LISTS PROGRAMS)
  get_filename_component(name "${program}" NAME)
  foreach(args "--version" "--games;3;--version")
    if(name STREQUAL "tarmigo-replay" AND args MATCHES "games")
      set(args "--zoom;2;--version")
    elseif(name STREQUAL "tarmigo" AND args MATCHES "games")
      set(args "--lang;de;--version")
    endif()
    execute_process(COMMAND ${program} ${args} RESULT_VARIABLE status
                    OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 20)
    if(NOT status EQUAL 0 OR NOT out STREQUAL "${name} ${VERSION}\n")
      message(FATAL_ERROR "${name} ${args}: status ${status}, output '${out}', errors '${err}' "
                          "(due: '${name} ${VERSION}')")
    endif()
  endforeach()
endforeach()
