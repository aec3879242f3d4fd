# `cmake --install build [--prefix DIR]` lays the program out as it runs from the build tree:
#
#   PREFIX/lib/tsw62m/           the program directory: tsw62m, tsw62m-cli, the print, help and
#                                sound modules, the language files, the help books and the call
#                                tones side by side
#   PREFIX/bin/tsw62m            symbolic links into the program directory (the program finds
#   PREFIX/bin/tsw62m-cli        its files beside the real executable)
#   PREFIX/share/applications/tsw62m.desktop
#   PREFIX/share/icons/hicolor/scalable/apps/tsw62m.svg
#
# The run-time files are taken from the build tree's program directory at install time, so
# whatever the build puts there (language files, help books, call tones) is installed.

set(TSW_INSTALL_PROGRAM_DIR "lib/tsw62m" CACHE STRING
    "Program directory below the install prefix (executables and their run-time files)")
set(TSW_INSTALL_BIN_DIR "bin" CACHE STRING "Folder of the links that start the program")

set(TSW_INSTALLED_PROGRAMS)
foreach(target tsw62m tsw62m-cli)
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
