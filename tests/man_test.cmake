# The manual pages: they format without a warning from man (checked as lintian
# checks them), and together they name every environment variable the command
# lines read and every error message they print, as the sources spell them.
# Run by ctest with -DMAN (the man program), -DPAGES (the configured pages) and
# -DSOURCE_DIR.
set(manual "")
foreach(page ${PAGES})
  execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 MANWIDTH=80
                    ${MAN} --warnings -E UTF-8 -l -Tutf8 -Z ${page}
                  RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE warnings)
  if(NOT status EQUAL 0 OR NOT warnings STREQUAL "")
    message(FATAL_ERROR "man ${page} (${status}):\n${warnings}")
  endif()
  # One very long line per paragraph: no line breaks or hyphens inside a message.
  execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 MANWIDTH=10000 ${MAN} -l ${page}
                  OUTPUT_VARIABLE text RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "man -l ${page} failed (${status})")
  endif()
  string(APPEND manual "${text}\n")
endforeach()
string(REGEX REPLACE "[ \t\n]+" " " manual "${manual}")

file(GLOB sources ${SOURCE_DIR}/driver/*.h ${SOURCE_DIR}/driver/*.cpp
                  ${SOURCE_DIR}/engine/*.h ${SOURCE_DIR}/engine/*.cpp ${SOURCE_DIR}/include/vestrilo/*.h)
set(missing "")
foreach(source ${sources})
  file(READ ${source} code)
  # String literals as the program sees them: escaped quotes kept apart from the
  # quotes around literals, literals continued on the next line joined.
  string(REPLACE "\\\"" "@QUOTE@" code "${code}")
  string(REGEX REPLACE "\"[ \t]*\n[ \t]*\"" "" code "${code}")
  string(REGEX MATCHALL "getenv\\(\"VESTRILO_[A-Z_]+\"\\)" variables "${code}")
  string(REGEX MATCHALL "\"(\\\\n)?Error: [^\"]*\"" messages "${code}")
  foreach(item ${variables} ${messages})
    string(REGEX REPLACE "^getenv\\(\"|\"\\)$|^\"(\\\\n)?|(\\\\n)?\"$" "" item "${item}")
    string(REPLACE "@QUOTE@" "\"" item "${item}")
    string(FIND "${manual}" " ${item}" at)
    if(at EQUAL -1)
      string(APPEND missing "  ${item}   (${source})\n")
    endif()
  endforeach()
endforeach()
if(NOT missing STREQUAL "")
  message(FATAL_ERROR "The manual pages do not mention:\n${missing}")
endif()
