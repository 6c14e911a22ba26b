# cmake -DTS=<file.ts> [-DLUPDATE=<lupdate> -DLUPDATE_ARGS=<args> -DWORK=<dir>
#       -DROOT=<source root>] -P CheckTranslations.cmake
#
# Fails when the translation file leaves a text untranslated ("unfinished")
# or keeps one the sources no longer have ("vanished", "obsolete"). Given
# lupdate, it first brings a copy of the file up to date with the sources,
# so that a new text without its translation fails too, and says when the
# file itself was not refreshed (`make translations`).
if(NOT TS)
  message(FATAL_ERROR "TS not given")
endif()
get_filename_component(name ${TS} NAME)
set(checked ${TS})
if(LUPDATE)
  file(MAKE_DIRECTORY ${WORK})
  set(checked ${WORK}/${name})
  file(COPY_FILE ${TS} ${checked})
  execute_process(COMMAND ${LUPDATE} ${LUPDATE_ARGS} -ts ${checked}
                  WORKING_DIRECTORY ${ROOT} RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed on ${name}: ${errors}")
  endif()
endif()

file(READ ${checked} ts)
set(faults "")
string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*(<[a-z]+[^>]*>[^<]*</[a-z]+>[ \n]*)*<translation type=\"(unfinished|vanished|obsolete)\""
       bad "${ts}")
foreach(entry IN LISTS bad)
  string(REGEX REPLACE "^<source>([^<]*)</source>.*type=\"([a-z]+)\"$" "\\2: \\1" line "${entry}")
  string(APPEND faults "  ${line}\n")
endforeach()
if(faults)
  message(FATAL_ERROR "${name} has texts not translated or no longer used:\n${faults}")
endif()
if(LUPDATE)
  file(READ ${TS} original)
  if(NOT original STREQUAL ts)
    message(FATAL_ERROR "${name} is not up to date with the sources: run `make translations`")
  endif()
endif()
message(STATUS "${name}: every text translated")
