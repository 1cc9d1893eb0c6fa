# Runs lupdate over the sources into a copy of each .ts file and fails while
# any text has no finished translation: a new tr() text, or one whose
# Japanese changed. Run with -DLUPDATE, -DSOURCES (a list file), -DOPTIONS,
# -DTS_FILES and -DWORK (a scratch folder).
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(failed "")
foreach(ts IN LISTS TS_FILES)
  get_filename_component(name ${ts} NAME)
  file(COPY ${ts} DESTINATION ${WORK})
  execute_process(COMMAND ${LUPDATE} ${OPTIONS} @${SOURCES} -ts ${WORK}/${name}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed on ${name}:\n${out}${err}")
  endif()
  file(STRINGS ${WORK}/${name} lines ENCODING UTF-8)
  set(source "")
  foreach(line IN LISTS lines)
    if(line MATCHES "<source>(.*)</source>")
      set(source "${CMAKE_MATCH_1}")
    elseif(line MATCHES "type=\"unfinished\"")
      string(APPEND failed "  ${name}: ${source}\n")
    endif()
  endforeach()
endforeach()
if(failed)
  message(FATAL_ERROR "Texts without a finished translation (cmake --build build --target update_translations, then translate them):\n${failed}")
endif()
message(STATUS "Every text has its translation")
