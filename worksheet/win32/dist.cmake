# dist: worvane.zip with the three Windows files, a read-me for Windows
# users and the examples, in a folder "worvane" of its own.
set(dist_stage ${CMAKE_BINARY_DIR}/dist)
set(dist_zip ${CMAKE_BINARY_DIR}/worvane.zip)

# Plain ASCII with CR LF line ends, so that any Notepad shows it right.
set(dist_readme ${CMAKE_BINARY_DIR}/README.txt)
configure_file(README-windows.txt ${dist_readme} @ONLY NEWLINE_STYLE CRLF)

add_custom_target(dist
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${dist_stage} ${dist_zip}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${dist_stage}/worvane
  COMMAND ${CMAKE_COMMAND} -E copy
          $<TARGET_FILE:QuorinUI> $<TARGET_FILE:QuorinDLL> $<TARGET_FILE:quorin>
          ${dist_readme} ${dist_stage}/worvane
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/examples ${dist_stage}/worvane/examples
  COMMAND ${CMAKE_COMMAND} -E chdir ${dist_stage} ${CMAKE_COMMAND} -E tar cf ${dist_zip} --format=zip worvane
  DEPENDS QuorinUI QuorinDLL quorin
  COMMENT "Packing ${dist_zip}"
  VERBATIM
)
