# `cmake --install build [--prefix DIR]` lays the program out as it runs from the build tree:
#
#   PREFIX/lib/tsw62m/           the program directory: tsw62m, tsw62m-cli, tsw62m-radiosim, the
#                                print, help and sound modules, the language files, the help
#                                books and the call tones side by side
#   PREFIX/bin/tsw62m            symbolic links into the program directory (the program finds
#   PREFIX/bin/tsw62m-cli        its files beside the real executable)
#   PREFIX/bin/tsw62m-radiosim
#   PREFIX/share/applications/tsw62m.desktop
#   PREFIX/share/icons/hicolor/scalable/apps/tsw62m.svg
#   PREFIX/share/metainfo/tsw62m.metainfo.xml       what software centres show of the program
#   PREFIX/share/man/man1/tsw62m-cli.1.gz           manual pages made from the --help texts
#   PREFIX/share/man/man1/tsw62m-radiosim.1.gz
#   PREFIX/share/bash-completion/completions/tsw62m-cli
#
# The run-time files are taken from the build tree's program directory at install time, so
# whatever the build puts there (language files, help books, call tones) is installed.

set(TSW_INSTALL_PROGRAM_DIR "lib/tsw62m" CACHE STRING
    "Program directory below the install prefix (executables and their run-time files)")
set(TSW_INSTALL_BIN_DIR "bin" CACHE STRING "Folder of the links that start the program")

set(TSW_INSTALLED_PROGRAMS)
foreach(target tsw62m tsw62m-cli tsw62m-radiosim)
  if(TARGET ${target})
    install(TARGETS ${target} RUNTIME DESTINATION ${TSW_INSTALL_PROGRAM_DIR})
    list(APPEND TSW_INSTALLED_PROGRAMS ${target})
  endif()
endforeach()

# Modules the program loads when first needed (print, help, sound) lie beside it.
foreach(module tsw62m-print tsw62m-help tsw62m-sound)
  if(TARGET ${module})
    install(TARGETS ${module} LIBRARY DESTINATION ${TSW_INSTALL_PROGRAM_DIR})
  endif()
endforeach()

# Manual pages of the command-line programs, made from their --help texts after they are built.
set(TSW_MAN_DIR ${CMAKE_BINARY_DIR}/man)
set(TSW_MAN_PAGES)
foreach(entry "tsw62m-cli|read, write and show the memory of an HX-5520 (UHF) radio|\\fBtsw62m\\fR(1), \\fBtsw62m-radiosim\\fR(1)"
              "tsw62m-radiosim|a simulated HX-5520 (UHF) radio on a pseudo-terminal|\\fBtsw62m-cli\\fR(1)")
  string(REPLACE "|" ";" parts "${entry}")
  list(GET parts 0 name)
  list(GET parts 1 summary)
  list(GET parts 2 see_also)
  if(NOT TARGET ${name})
    continue()
  endif()
  set(page ${TSW_MAN_DIR}/${name}.1.gz)
  add_custom_command(OUTPUT ${page}
    COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${name}> -DNAME=${name}
            "-DSUMMARY=${summary}" "-DSEE_ALSO=${see_also}" -DVERSION=${PROJECT_VERSION}
            -DOUT=${page} -P ${CMAKE_SOURCE_DIR}/res/package/MakeManPage.cmake
    DEPENDS ${name} ${CMAKE_SOURCE_DIR}/res/package/MakeManPage.cmake
    COMMENT "Manual page of ${name}" VERBATIM)
  list(APPEND TSW_MAN_PAGES ${page})
endforeach()
if(TSW_MAN_PAGES)
  add_custom_target(man_pages ALL DEPENDS ${TSW_MAN_PAGES})
  install(FILES ${TSW_MAN_PAGES} DESTINATION share/man/man1)
endif()
if(TARGET tsw62m-cli)
  install(FILES ${CMAKE_SOURCE_DIR}/res/package/tsw62m-cli.bash-completion
          DESTINATION share/bash-completion/completions RENAME tsw62m-cli)
endif()
if(TARGET tsw62m)
  install(FILES ${CMAKE_SOURCE_DIR}/res/package/tsw62m.metainfo.xml DESTINATION share/metainfo)
endif()

install(CODE "
set(TSW_BIN_DIR \"${TSW_BIN_DIR}\")
set(TSW_RES_DIR \"${CMAKE_SOURCE_DIR}/res\")
set(TSW_STAGING_DIR \"${CMAKE_BINARY_DIR}/install-staging\")
set(TSW_INSTALL_PROGRAM_DIR \"${TSW_INSTALL_PROGRAM_DIR}\")
set(TSW_INSTALL_BIN_DIR \"${TSW_INSTALL_BIN_DIR}\")
set(TSW_INSTALLED_PROGRAMS \"${TSW_INSTALLED_PROGRAMS}\")
")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/TswInstallFiles.cmake)

if(TSW_BUILD_TESTS)
  # Installs the built tree into a scratch prefix (and once more through DESTDIR) and checks
  # the layout.
  add_test(NAME install_layout COMMAND ${CMAKE_COMMAND}
    -DBUILD_DIR=${CMAKE_BINARY_DIR} -DOUT_DIR=${CMAKE_BINARY_DIR}/tests/install-check
    "-DPROGRAMS=${TSW_INSTALLED_PROGRAMS}" -DPROGRAM_DIR=${TSW_INSTALL_PROGRAM_DIR}
    -DTSW_BIN_DIR=${TSW_BIN_DIR}
    -P ${CMAKE_SOURCE_DIR}/tests/install/CheckInstall.cmake)
  set_tests_properties(install_layout PROPERTIES LABELS core)
endif()
