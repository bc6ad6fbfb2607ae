# SPDX-License-Identifier: GPL-3.0-or-later
# Copies every file of SOURCE_DIR into TARGET_DIR unless a file of that name is
# already there, so a rebuild never replaces a catalogue the player added to.
file(GLOB shipped "${SOURCE_DIR}/*")
foreach(source IN LISTS shipped)
  get_filename_component(name "${source}" NAME)
  if(NOT EXISTS "${TARGET_DIR}/${name}")
    file(COPY "${source}" DESTINATION "${TARGET_DIR}")
  endif()
endforeach()
