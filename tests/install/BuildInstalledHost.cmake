# cmake -DBUILD_DIR=... -DEXAMPLE_DIR=... -DWORK_DIR=... -DGENERATOR=... -DPKG_CONFIG=...
#       [-DCOMPILER_LAUNCHER=...] -P BuildInstalledHost.cmake
# Installs BUILD_DIR into WORK_DIR/prefix, checks gazerix.pc, builds the example host against
# the prefix through find_package(Gazerix) and runs it offscreen: it must create the control
# on the installed content and end with status 0.

function(run_step)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    string(REPLACE ";" " " command "${ARGN}")
    message(FATAL_ERROR "failed (${status}): ${command}")
  endif()
endfunction()

set(prefix "${WORK_DIR}/prefix")
set(host_build "${WORK_DIR}/host")
# A fresh prefix each run, so the host sees only what this build installs.
file(REMOVE_RECURSE "${prefix}")

run_step("${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}")
run_step("${CMAKE_COMMAND}" -E env "PKG_CONFIG_PATH=${prefix}/lib/pkgconfig"
  "${PKG_CONFIG}" --exists --print-errors gazerix)

set(launcher "")
if(COMPILER_LAUNCHER)
  set(launcher "-DCMAKE_CXX_COMPILER_LAUNCHER=${COMPILER_LAUNCHER}")
endif()
run_step("${CMAKE_COMMAND}" -S "${EXAMPLE_DIR}" -B "${host_build}" -G "${GENERATOR}"
  "-DCMAKE_PREFIX_PATH=${prefix}" ${launcher})
run_step("${CMAKE_COMMAND}" --build "${host_build}")

# The engine finds its content through the installed registry file alone: no registry
# named by the environment, none of the user's.
file(MAKE_DIRECTORY "${WORK_DIR}/config")
run_step("${CMAKE_COMMAND}" -E env --unset=ASTREON_REGISTRY "XDG_CONFIG_HOME=${WORK_DIR}/config"
  QT_QPA_PLATFORM=offscreen "${host_build}/gazerix-host" --batch --quit-after 300)
