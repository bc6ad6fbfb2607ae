# SPDX-License-Identifier: GPL-3.0-or-later
# A rebuild copies the shipped files beside the program only where none are:
# run twice, with a figure added to the copy in between, the figure stays, and
# a file removed meanwhile comes back. Run with -DWORK=<scratch folder>.
file(REMOVE_RECURSE "${WORK}")
file(WRITE "${WORK}/data/Sietari.dat" "shipped\n")
file(WRITE "${WORK}/data/Instrucciones.htm" "help\n")
set(SOURCE_DIR "${WORK}/data")
set(TARGET_DIR "${WORK}/bin")
file(MAKE_DIRECTORY "${TARGET_DIR}")
include("${CMAKE_CURRENT_LIST_DIR}/../../cmake/CopyIfMissing.cmake")
# Later than the build, as a player plays: a copy checks times to the second.
execute_process(COMMAND ${CMAKE_COMMAND} -E sleep 1.1)
file(APPEND "${TARGET_DIR}/Sietari.dat" "the player's figure\n")
file(REMOVE "${TARGET_DIR}/Instrucciones.htm")
include("${CMAKE_CURRENT_LIST_DIR}/../../cmake/CopyIfMissing.cmake")
file(READ "${TARGET_DIR}/Sietari.dat" kept)
file(READ "${TARGET_DIR}/Instrucciones.htm" help)
if(NOT kept STREQUAL "shipped\nthe player's figure\n" OR NOT help STREQUAL "help\n")
  message(FATAL_ERROR "after two copies: [${kept}] and [${help}]")
endif()
