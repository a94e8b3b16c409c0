# Runs quorin once and checks what it did; for CTest, in script mode:
#   cmake -D QUORIN=path [-D EMULATOR=...] [-D EXPECTED=file] [-D OUTPUT_MATCHES=regex]
#         [-D STANDARD_INPUT=file] [-D EXIT_CODE=0] [-D ERRORS_MATCH=regex]
#         -P runQuorin.cmake -- [arguments of quorin...]
# The output is compared byte for byte with EXPECTED, after the CR LF line
# ends of a Windows build are turned into LF.
cmake_minimum_required(VERSION 3.25)

set(arguments)
set(afterSeparator FALSE)
math(EXPR lastArgument "${CMAKE_ARGC} - 1")
foreach(index RANGE ${lastArgument})
  if(afterSeparator)
    list(APPEND arguments "${CMAKE_ARGV${index}}")
  elseif(CMAKE_ARGV${index} STREQUAL "--")
    set(afterSeparator TRUE)
  endif()
endforeach()

set(inputOption)
if(DEFINED STANDARD_INPUT)
  set(inputOption INPUT_FILE "${STANDARD_INPUT}")
endif()
execute_process(
  COMMAND ${EMULATOR} "${QUORIN}" ${arguments}
  ${inputOption}
  OUTPUT_VARIABLE output
  ERROR_VARIABLE errors
  RESULT_VARIABLE exitCode
)
string(REPLACE "\r\n" "\n" output "${output}")

if(NOT DEFINED EXIT_CODE)
  set(EXIT_CODE 0)
endif()
if(NOT exitCode STREQUAL EXIT_CODE)
  message(FATAL_ERROR "quorin exited with ${exitCode}, not ${EXIT_CODE}\nstderr:\n${errors}")
endif()
if(DEFINED EXPECTED)
  file(READ "${EXPECTED}" expectedOutput)
  if(NOT output STREQUAL expectedOutput)
    message(FATAL_ERROR "output differs from ${EXPECTED}\n--- expected\n${expectedOutput}--- got\n${output}---")
  endif()
endif()
if(DEFINED OUTPUT_MATCHES AND NOT output MATCHES "${OUTPUT_MATCHES}")
  message(FATAL_ERROR "output does not match '${OUTPUT_MATCHES}':\n${output}")
endif()
if(DEFINED ERRORS_MATCH AND NOT errors MATCHES "${ERRORS_MATCH}")
  message(FATAL_ERROR "stderr does not match '${ERRORS_MATCH}':\n${errors}")
endif()
