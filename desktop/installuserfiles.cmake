# Runs at install time. Adds the sample data files the program folder does not have yet and
# never replaces one that is there: the user may have edited it. Then writes the menu entries
# and icons into the user's data folder (XDG_DATA_HOME, else ~/.local/share).

set(prefix "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")

file(GLOB_RECURSE sample_files RELATIVE "${WM_SAMPLE_DATA}" "${WM_SAMPLE_DATA}/*")
foreach(relative IN LISTS sample_files)
  set(target "${prefix}/txtFile/${relative}")
  if(EXISTS "${target}")
    message(STATUS "Kept: ${target}")
  else()
    get_filename_component(folder "${target}" DIRECTORY)
    file(MAKE_DIRECTORY "${folder}")
    file(COPY_FILE "${WM_SAMPLE_DATA}/${relative}" "${target}")
    message(STATUS "Added: ${target}")
  endif()
endforeach()

if(NOT WM_INSTALL_DESKTOP_ENTRIES)
  return()
endif()

if(DEFINED ENV{XDG_DATA_HOME} AND NOT "$ENV{XDG_DATA_HOME}" STREQUAL "")
  set(data_home "$ENV{XDG_DATA_HOME}")
else()
  set(data_home "$ENV{HOME}/.local/share")
endif()
set(data_home "$ENV{DESTDIR}${data_home}")

# The entries start the installed programs where they are, whatever --prefix said.
get_filename_component(WM_INSTALL_DIR "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
foreach(program wmtool wmview)
  configure_file("${WM_DESKTOP_SOURCE}/wendmoor-${program}.desktop.in"
                 "${data_home}/applications/wendmoor-${program}.desktop" @ONLY)
  message(STATUS "Menu entry: ${data_home}/applications/wendmoor-${program}.desktop")
  file(INSTALL "${WM_DESKTOP_SOURCE}/icons/${program}.svg"
       DESTINATION "${data_home}/icons/hicolor/scalable/apps" RENAME "wendmoor-${program}.svg")
  foreach(size 48 128 256)
    file(INSTALL "${WM_DESKTOP_SOURCE}/icons/${program}-${size}.png"
         DESTINATION "${data_home}/icons/hicolor/${size}x${size}/apps"
         RENAME "wendmoor-${program}.png")
  endforeach()
endforeach()
