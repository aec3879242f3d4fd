# Install-time part of TswInstall.cmake (runs inside cmake_install.cmake, where
# CMAKE_INSTALL_PREFIX is the prefix given to `cmake --install` and file(INSTALL) honours
# DESTDIR).

set(program_dir "${CMAKE_INSTALL_PREFIX}/${TSW_INSTALL_PROGRAM_DIR}")
set(bin_dir "${CMAKE_INSTALL_PREFIX}/${TSW_INSTALL_BIN_DIR}")

# Language files, help books and call tones, as the build laid them out beside the program.
file(GLOB run_time_files LIST_DIRECTORIES false
     "${TSW_BIN_DIR}/*.lng" "${TSW_BIN_DIR}/*.qch" "${TSW_BIN_DIR}/Call Tone *.wav")
if(run_time_files)
  file(INSTALL DESTINATION "${program_dir}" TYPE FILE FILES ${run_time_files})
endif()

# Links that put the programs on the PATH. Relative, so the tree can be moved as a whole.
file(RELATIVE_PATH link_target "${bin_dir}" "${program_dir}")
file(MAKE_DIRECTORY "$ENV{DESTDIR}${bin_dir}")
foreach(program ${TSW_INSTALLED_PROGRAMS})
  set(link "$ENV{DESTDIR}${bin_dir}/${program}")
  message(STATUS "Installing: ${link} -> ${link_target}/${program}")
  file(REMOVE "${link}")
  file(CREATE_LINK "${link_target}/${program}" "${link}" SYMBOLIC)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${bin_dir}/${program}")
endforeach()

# The desktop entry starts the installed program by its full path (only when the desktop
# program was built).
list(FIND TSW_INSTALLED_PROGRAMS tsw62m gui_index)
if(gui_index LESS 0)
  return()
endif()
set(TSW_DESKTOP_EXEC "${bin_dir}/tsw62m")
configure_file("${TSW_RES_DIR}/tsw62m.desktop.in" "${TSW_STAGING_DIR}/tsw62m.desktop" @ONLY)
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications" TYPE FILE
     FILES "${TSW_STAGING_DIR}/tsw62m.desktop")
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/share/icons/hicolor/scalable/apps" TYPE FILE
     FILES "${TSW_RES_DIR}/tsw62m.svg")
