# Installs the build into a fresh prefix and runs the installed quorin. The
# install leaves it no path into the build tree: it runs only if it finds the
# installed library. For CTest, in script mode:
#   cmake -D BUILD_DIR=dir -D PREFIX=dir -P installTest.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
  OUTPUT_QUIET RESULT_VARIABLE installed)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()

include(GNUInstallDirs)
foreach(file ${CMAKE_INSTALL_BINDIR}/quorin ${CMAKE_INSTALL_INCLUDEDIR}/QuorinDLL.h
             ${CMAKE_INSTALL_LIBDIR}/libQuorinDLL.so)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "${file} is not installed")
  endif()
endforeach()

file(WRITE "${PREFIX}/line.qw" "1+2\n")
execute_process(COMMAND "${PREFIX}/${CMAKE_INSTALL_BINDIR}/quorin" --answers "${PREFIX}/line.qw"
  OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE exitCode)
if(NOT exitCode EQUAL 0 OR NOT output STREQUAL "[ans = 3]\n")
  message(FATAL_ERROR "the installed quorin answered '${output}' (exit ${exitCode}): ${errors}")
endif()
