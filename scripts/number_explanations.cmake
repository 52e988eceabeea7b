# The manual page's section on what the numbers do, in roff, from the
# engine's table of explanations (src/engine/number_explanations.cpp: a row
# a line), so the words are written once. Needs HOARDEX_SOURCE_DIR; sets
# HOARDEX_NUMBERS_ROFF.
set(table "${HOARDEX_SOURCE_DIR}/src/engine/number_explanations.cpp")
file(STRINGS "${table}" rows REGEX "^  {number_id::|SCORES_ASKED_TWICE = ")
set(HOARDEX_NUMBERS_ROFF "")
foreach(row IN LISTS rows)
  if(row MATCHES "^  {number_id::[a-z_]+, *\"([^\"]*)\", *\"[^\"]*\", *\"([^\"]*)\"}")
    string(APPEND HOARDEX_NUMBERS_ROFF
           ".TP\n.B ${CMAKE_MATCH_1}\n${CMAKE_MATCH_2}\n")
  elseif(row MATCHES "SCORES_ASKED_TWICE = \"([^\"]*)\";")
    string(APPEND HOARDEX_NUMBERS_ROFF ".PP\n${CMAKE_MATCH_1}\n")
  endif()
endforeach()
if(NOT HOARDEX_NUMBERS_ROFF MATCHES "\\.TP.*\\.TP.*\\.TP.*\\.TP.*\\.TP.*\\.TP.*\\.PP")
  message(FATAL_ERROR "${table}: not six explanations and the sentence")
endif()
