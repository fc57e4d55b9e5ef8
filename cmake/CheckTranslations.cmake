# Brings a copy of each translation file up to date with the sources and fails when any
# message is left untranslated (a user of that language would meet English in the middle of
# their own) or when lupdate warns about a text it cannot extract. The files in translations/
# stay as they are; `update_translations` is what changes them.
#   cmake -DLUPDATE=... -DSOURCES=sources.lst -DINCLUDE=dir -DTS_FILES="a.ts|b.ts" -DWORK=dir
#         -DSTAMP=file -P CheckTranslations.cmake
string(REPLACE "|" ";" TS_FILES "${TS_FILES}")
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(copies)
foreach(ts ${TS_FILES})
  file(COPY "${ts}" DESTINATION "${WORK}")
  get_filename_component(name "${ts}" NAME)
  list(APPEND copies "${WORK}/${name}")
endforeach()
execute_process(
  COMMAND "${LUPDATE}" -I "${INCLUDE}" "@${SOURCES}" -no-obsolete -locations none -ts ${copies}
  RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
string(STRIP "${errors}" errors)
if(NOT result EQUAL 0 OR NOT errors STREQUAL "")
  message(FATAL_ERROR "lupdate failed or warned:\n${errors}")
endif()
set(missing 0)
foreach(ts ${copies})
  file(READ "${ts}" content)
  string(REGEX MATCHALL "<translation type=\"(unfinished|vanished|obsolete)\"" open "${content}")
  string(REGEX MATCHALL "<translation></translation>|<numerusform></numerusform>" empty "${content}")
  list(LENGTH open unfinished)
  list(LENGTH empty blank)
  math(EXPR count "${unfinished} + ${blank}")
  if(count GREATER 0)
    get_filename_component(name "${ts}" NAME)
    message(SEND_ERROR "${name}: ${count} message(s) not translated")
    math(EXPR missing "${missing} + ${count}")
  endif()
endforeach()
if(missing GREATER 0)
  message(FATAL_ERROR "${missing} message(s) in all are not translated; run the "
                      "update_translations target and translate them")
endif()
file(TOUCH "${STAMP}")
