# Transcript tests: quorin runs a worksheet file and must print exactly the
# expected file beside it. Loads are relative to the current directory, so
# each runs in the folder of its file.

# add_quorin_test(name [EXPECTED file] [OUTPUT_MATCHES regex] [STANDARD_INPUT file]
#                 [EXIT_CODE n] [ERRORS_MATCH regex] [WORKING_DIRECTORY dir]
#                 [ARGUMENTS arguments...])
function(add_quorin_test name)
  set(oneValueOptions EXPECTED OUTPUT_MATCHES STANDARD_INPUT EXIT_CODE ERRORS_MATCH WORKING_DIRECTORY)
  cmake_parse_arguments(PARSE_ARGV 1 test "" "${oneValueOptions}" "ARGUMENTS")
  set(definitions)
  foreach(option EXPECTED OUTPUT_MATCHES STANDARD_INPUT EXIT_CODE ERRORS_MATCH)
    if(DEFINED test_${option})
      list(APPEND definitions "-D${option}=${test_${option}}")
    endif()
  endforeach()
  if(NOT DEFINED test_WORKING_DIRECTORY)
    set(test_WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/transcripts)
  endif()
  add_test(NAME ${name}
    COMMAND ${CMAKE_COMMAND} -DQUORIN=$<TARGET_FILE:quorin> "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}"
            ${definitions} -P ${CMAKE_CURRENT_SOURCE_DIR}/runQuorin.cmake -- ${test_ARGUMENTS}
    WORKING_DIRECTORY ${test_WORKING_DIRECTORY})
endfunction()

set(transcriptFolder ${CMAKE_CURRENT_SOURCE_DIR}/transcripts)
# Transcripts with a failed load: quorin exits with 1 after them.
set(transcriptsWithLoadErrors commands self_load)
file(GLOB transcripts CONFIGURE_DEPENDS ${transcriptFolder}/*.qw)
foreach(transcript ${transcripts})
  get_filename_component(name ${transcript} NAME_WE)
  set(exitCode 0)
  if(name IN_LIST transcriptsWithLoadErrors)
    set(exitCode 1)
  endif()
  add_quorin_test(transcript.${name} EXPECTED ${transcriptFolder}/${name}.expected
    EXIT_CODE ${exitCode} ARGUMENTS ${name}.qw)
endforeach()

set(exampleFolder ${PROJECT_SOURCE_DIR}/examples)
file(GLOB examples CONFIGURE_DEPENDS ${exampleFolder}/*.qw)
foreach(example ${examples})
  get_filename_component(name ${example} NAME_WE)
  # From the folder that holds examples/, as their own comments say.
  add_quorin_test(example.${name} EXPECTED ${exampleFolder}/expected/${name}.txt
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} ARGUMENTS examples/${name}.qw)
endforeach()

# The command line itself.
add_quorin_test(quorin.reads_standard_input
  STANDARD_INPUT ${transcriptFolder}/arithmetic.qw EXPECTED ${transcriptFolder}/arithmetic.expected)
add_quorin_test(quorin.runs_files_in_one_session
  EXPECTED ${transcriptFolder}/sessions/two-files.expected
  ARGUMENTS sessions/define.txt sessions/use.txt)
add_quorin_test(quorin.unreadable_file_exits_1_after_the_others
  EXIT_CODE 1 ERRORS_MATCH "cannot read 'sessions/absent.txt'"
  EXPECTED ${transcriptFolder}/sessions/two-files.expected
  ARGUMENTS sessions/define.txt sessions/absent.txt sessions/use.txt)
add_quorin_test(quorin.diagnostics_go_to_standard_error
  ERRORS_MATCH "undefined variable :y.*knob destructor called"
  EXPECTED ${transcriptFolder}/diagnostics.expected
  ARGUMENTS --diagnostics diagnostics.qw)
add_quorin_test(quorin.help_explains_the_language
  OUTPUT_MATCHES "Usage: quorin.*f\\[x = 3\\].*!load"
  ARGUMENTS --help)
add_quorin_test(quorin.unknown_option_exits_2
  EXIT_CODE 2 ERRORS_MATCH "unknown option '--bogus'"
  ARGUMENTS --bogus arithmetic.qw)

