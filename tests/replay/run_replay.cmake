# Runs one replay script with a fresh data folder and compares what the driver
# prints with the expected output, byte for byte.
#   -DDRIVER=... -DSCRIPT=... -DEXPECTED=... -DWORK=... [-DSTATUS=N] [-DSTDERR=file]
#   [-DCOMPARE=png_compare -DGOLDEN=folder]: every picture the script renders must
#   equal, pixel for pixel, the picture of the same name in the golden folder.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(
  COMMAND ${DRIVER} --data-dir ${WORK}/data ${SCRIPT}
  WORKING_DIRECTORY ${WORK}
  OUTPUT_FILE ${WORK}/out.txt
  ERROR_FILE ${WORK}/err.txt
  RESULT_VARIABLE status)
if(NOT DEFINED STATUS)
  set(STATUS 0)
endif()
if(NOT status EQUAL STATUS)
  file(READ ${WORK}/err.txt err)
  message(FATAL_ERROR "exit status ${status}, expected ${STATUS}\n${err}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/out.txt ${EXPECTED}
                RESULT_VARIABLE differs)
if(differs)
  execute_process(COMMAND diff ${WORK}/out.txt ${EXPECTED} OUTPUT_VARIABLE d)
  string(SUBSTRING "${d}" 0 3000 d)
  message(FATAL_ERROR "output differs from ${EXPECTED}:\n${d}")
endif()
if(DEFINED STDERR)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/err.txt ${STDERR}
                  RESULT_VARIABLE differs)
  if(differs)
    file(READ ${WORK}/err.txt err)
    message(FATAL_ERROR "standard error differs from ${STDERR}:\n${err}")
  endif()
endif()
if(DEFINED GOLDEN)
  file(GLOB pictures ${WORK}/*.png)
  foreach(picture ${pictures})
    get_filename_component(name ${picture} NAME)
    if(NOT EXISTS ${GOLDEN}/${name})
      message(FATAL_ERROR "no golden picture ${GOLDEN}/${name}")
    endif()
    execute_process(COMMAND ${COMPARE} ${picture} ${GOLDEN}/${name}
                    RESULT_VARIABLE differs ERROR_VARIABLE why)
    if(differs)
      message(FATAL_ERROR "${name} differs from the golden picture: ${why}")
    endif()
  endforeach()
endif()
