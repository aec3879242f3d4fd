# `make package` (or `cpack -G DEB -B package` in the build folder): a Debian package of what
# `cmake --install` lays out, below /usr. The package's dependencies are computed from the
# programs and modules by dpkg-shlibdeps; only what is loaded at run time without being linked
# (Qt's SQLite driver for the help books, the GStreamer plugins for the call tones) is named
# here by hand.

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "tsw62m")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "TALVERN")
set(CPACK_PACKAGE_CONTACT "TSW-62M maintainers <maintainers@tsw62m.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming software for the HX-5520 (UHF) handheld radio")
set(CPACK_PACKAGE_DESCRIPTION
    "Reads the configuration of an HX-5520 (UHF) handheld radio over a serial programming\n\
cable, edits its channels, tones, keys, scan, signalling and embedded message, keeps it in\n\
data files, prints it, aligns the radio in test mode and writes it back. With tsw62m-cli\n\
for scripts and tsw62m-radiosim, a simulated radio for work without hardware.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_INSTALL_PREFIX "/usr")
# The installed files name their final place (the desktop entry's Exec): install through
# DESTDIR, with the prefix /usr.
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_NAME}_${PROJECT_VERSION}_${CMAKE_SYSTEM_PROCESSOR}")

set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_SECTION "hamradio")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6sql6-sqlite, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-liberation")

include(CPack)

if(TSW_BUILD_TESTS AND NOT TSW_SANITIZE)
  # Builds the package into a scratch folder, looks at its contents, unpacks it into a scratch
  # root and runs the installed command-line program from there.
  add_test(NAME debian_package
           COMMAND bash ${CMAKE_SOURCE_DIR}/tests/package/check-package.sh ${CMAKE_BINARY_DIR}
                   ${CMAKE_BINARY_DIR}/tests/package-check)
  set_tests_properties(debian_package PROPERTIES LABELS package TIMEOUT 900 RESOURCE_LOCK install)
  set_tests_properties(install_layout PROPERTIES RESOURCE_LOCK install)
endif()
