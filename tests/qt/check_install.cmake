# Installs the build into a fresh prefix and checks that the desktop finds what it
# needs there, then starts the installed program once.
# cmake -DBUILD=... -DPREFIX=... -P check_install.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()
foreach(f bin/tarmigo lib/tarmigo/libtarmigo_sound.so share/tarmigo/tarmigo.htm
          share/applications/tarmigo.desktop share/icons/hicolor/32x32/apps/tarmigo.png
          share/icons/hicolor/16x16/apps/tarmigo.png share/tarmigo/tarmigo_de.htm
          share/tarmigo/tarmigo_fr.htm share/tarmigo/translations/tarmigo_de.qm
          share/tarmigo/translations/tarmigo_fr.qm)
  if(NOT EXISTS ${PREFIX}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
file(MAKE_DIRECTORY ${PREFIX}/home/run)
file(CHMOD ${PREFIX}/home/run DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen TARMIGO_EXIT_AFTER_FIRST_PAINT=1
          XDG_DATA_HOME=${PREFIX}/home/data XDG_CONFIG_HOME=${PREFIX}/home/config
          XDG_RUNTIME_DIR=${PREFIX}/home/run ${PREFIX}/bin/tarmigo --lang de
  RESULT_VARIABLE rc OUTPUT_VARIABLE out TIMEOUT 60)
if(NOT rc EQUAL 0 OR NOT out MATCHES "first-paint")
  message(FATAL_ERROR "the installed program did not start: ${rc} ${out}")
endif()
if(NOT EXISTS ${PREFIX}/home/data/tarmigo/tarmigt)
  message(FATAL_ERROR "the installed program saved nothing")
endif()
