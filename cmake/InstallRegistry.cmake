# Runs at install time, when the prefix is known: the installed registry file points
# the installed program at the installed content.
set(skyloom_data "${CMAKE_INSTALL_PREFIX}/share/skyloom")
file(MAKE_DIRECTORY "$ENV{DESTDIR}${skyloom_data}")
file(WRITE "$ENV{DESTDIR}${skyloom_data}/registry.ini"
  "[SOFTWARE/Astreon/ObserverWindow]\nRootDir=${skyloom_data}\n")
message(STATUS "Installing: $ENV{DESTDIR}${skyloom_data}/registry.ini")
