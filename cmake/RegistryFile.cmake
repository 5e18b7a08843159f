# skyloom_write_registry(FILE ROOT_DIR): writes a registry file whose RootDir is ROOT_DIR,
# unless the file already holds that RootDir.
# The value is quoted, with '\' and '"' escaped, so that a folder holding ',' ';' or '\'
# reads back whole (see src/platform/IniFile.h).
#
# Also runs as a script: cmake -DREGISTRY_FILE=F -DROOT_DIR=D -P cmake/RegistryFile.cmake
function(skyloom_write_registry file root_dir)
  string(REPLACE "\\" "\\\\" value "${root_dir}")
  string(REPLACE "\"" "\\\"" value "${value}")
  set(root_line "RootDir=\"${value}\"")
  # A file that already names this root keeps what else it holds (a registered control).
  if(EXISTS "${file}")
    file(READ "${file}" existing)
    string(FIND "\n${existing}" "\n${root_line}\n" found)
    if(NOT found EQUAL -1)
      return()
    endif()
  endif()
  file(WRITE "${file}" "[SOFTWARE/Astreon/ObserverWindow]\n${root_line}\n")
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  skyloom_write_registry("${REGISTRY_FILE}" "${ROOT_DIR}")
endif()
