# Run by CPack on the staged tree before it is packed: the game goes where Debian
# keeps games, and the headless test driver stays out of the package.
set(root "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr")
if(NOT EXISTS "${root}/bin/tarmigo")
  message(FATAL_ERROR "the staged tree has no usr/bin/tarmigo: ${root}")
endif()
file(MAKE_DIRECTORY "${root}/games")
file(RENAME "${root}/bin/tarmigo" "${root}/games/tarmigo")
file(REMOVE_RECURSE "${root}/bin")
