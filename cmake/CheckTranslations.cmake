# Counts the messages of each translation file that are not translated (unfinished, empty, or
# left over from texts the program no longer has) and fails when there is any: a user of
# that language would meet English in the middle of their own.
#   cmake -DTS_FILES="a.ts;b.ts" -P CheckTranslations.cmake
set(missing 0)
foreach(ts ${TS_FILES})
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
  message(FATAL_ERROR "${missing} message(s) in all are not translated")
endif()
