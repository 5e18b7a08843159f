# Runs at install time, when the prefix is known: the installed registry file points
# the installed program at the installed content.
include("${CMAKE_CURRENT_LIST_DIR}/RegistryFile.cmake")
set(skyloom_data "${CMAKE_INSTALL_PREFIX}/share/skyloom")
file(MAKE_DIRECTORY "$ENV{DESTDIR}${skyloom_data}")
skyloom_write_registry("$ENV{DESTDIR}${skyloom_data}/registry.ini" "${skyloom_data}")
message(STATUS "Installing: $ENV{DESTDIR}${skyloom_data}/registry.ini")
