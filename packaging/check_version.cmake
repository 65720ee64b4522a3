# The package's files name the same version as the CMake project: the Debian
# changelog's newest entry, the metainfo's newest release and the manual page's
# footer. Run with -DVERSION=<project version> -DDIR=<packaging folder>.
file(STRINGS ${DIR}/changelog changelog LIMIT_COUNT 1)
file(READ ${DIR}/tarmigo.metainfo.xml metainfo)
file(STRINGS ${DIR}/tarmigo.6 manual REGEX "^\\.TH ")
string(REGEX MATCH "^tarmigo \\(([^)]*)\\)" _ "${changelog}")
set(found_changelog "${CMAKE_MATCH_1}")
# The newest release comes first.
string(REGEX MATCH "<release version=\"([^\"]*)\"" _ "${metainfo}")
set(found_metainfo "${CMAKE_MATCH_1}")
string(REGEX MATCH "\"Tarmigo ([^\"]*)\"" _ "${manual}")
set(found_manual "${CMAKE_MATCH_1}")
set(bad "")
foreach(part changelog metainfo manual)
  if(NOT found_${part} STREQUAL VERSION)
    list(APPEND bad "${part} says '${found_${part}}'")
  endif()
endforeach()
if(bad)
  list(JOIN bad ", " text)
  message(FATAL_ERROR "the project's version is ${VERSION}, but the ${text}")
endif()
