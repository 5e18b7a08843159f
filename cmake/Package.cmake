# The Debian package (make deb): cpack -G DEB in a build configured with
# CMAKE_INSTALL_PREFIX=/usr packs what cmake --install installs, in the same places.
# The install runs with DESTDIR and the real prefix, so that the registry file names
# /usr/share/skyloom and the Designer link lands in Qt's own plugin folder. No program
# links our libraries: the engine loads them from <its folder>/../lib, so /usr/lib needs
# no RPATH and no multiarch folder (which would break that path).
set(CPACK_PACKAGE_NAME skyloom)
set(CPACK_PACKAGE_VENDOR "Skyloom")
set(CPACK_PACKAGE_CONTACT "Skyloom maintainers <maintainers@users.noreply.c-seed-df8dbc13.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching simulator of Ptolemy's systems of cycles")
set(CPACK_PACKAGE_DESCRIPTION
  "Skyloom is a teaching simulator of the sky. Students build Ptolemaic systems of cycles
(deferents, epicycles, eccentrics and equants), run them, edit them in dialogs and fit
them to recorded observations. An observatory publishes its readings as trail files, and
a layout file assembles a screen of observer and control windows from these sources.

The package holds the simulator, the trail and fit tools, the embeddable control
(libgazerix, also a Qt Designer plugin) with its container, register tool, headers and
CMake and pkg-config files, and the shipped layouts, universes and pictures.")
set(CPACK_SET_DESTDIR ON)
set(CPACK_PACKAGING_INSTALL_PREFIX "${CMAKE_INSTALL_PREFIX}")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link come from dpkg-shlibdeps; the font the windows draw
# their text in is not linked, so it is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
# Qt's own translations of its dialogs, beside the program's built-in German, French and
# Spanish; without them those dialogs speak English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
