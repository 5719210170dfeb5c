# Plays one trial game per setting, has aitrial write it as a script, plays
# the script with quindel --script and compares the game's last state with
# the trial's: the same score, and the level the trial's count leads to.
#   -D AITRIAL=... -D QUINDEL=... -D WORKDIR=...
# Seed 0: the game makes its first two capsules before the script's time
# line is read, at second 0, as the trial does with seed 0.
file(REMOVE_RECURSE ${WORKDIR})
# strength, speed, first level: a game that ends by a blocked entry and one
# that clears level 20.
foreach(setting "1;hard;6" "3;medium;16")
  list(GET setting 0 strength)
  list(GET setting 1 speed)
  list(GET setting 2 first)
  set(dir ${WORKDIR}/${strength}-${speed}-${first})
  file(MAKE_DIRECTORY ${dir})
  execute_process(COMMAND ${AITRIAL} --games 1 --strength ${strength} --speed ${speed} --level ${first} --seed 0
                          --script ${dir}/game.script
                  OUTPUT_VARIABLE trial RESULT_VARIABLE status TIMEOUT 100)
  if(NOT status EQUAL 0 OR NOT trial MATCHES "game=1 levels=([0-9]+) score=([0-9]+)")
    message(FATAL_ERROR "aitrial failed (${status}): ${trial}")
  endif()
  set(levels ${CMAKE_MATCH_1})
  set(score ${CMAKE_MATCH_2})

  execute_process(COMMAND ${QUINDEL} --script ${dir}/game.script WORKING_DIRECTORY ${dir}
                  OUTPUT_VARIABLE game ERROR_VARIABLE err RESULT_VARIABLE status TIMEOUT 60)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "quindel --script failed (${status}): ${err}")
  endif()
  string(REGEX MATCHALL "state=[^\n]*" states "${game}")
  list(GET states -1 last)
  if(NOT last MATCHES "state=([0-9]+) level=([0-9]+) .* score=(-?[0-9]+)")
    message(FATAL_ERROR "no state line in the game's output: ${last}")
  endif()
  set(state ${CMAKE_MATCH_1})
  set(level ${CMAKE_MATCH_2})
  set(gameScore ${CMAKE_MATCH_3})

  # Lost on level index i: i - (first - 1) cleared; all won: the last level
  # cleared, still shown as level index 19.
  if(state EQUAL 603)
    math(EXPR expectedLevels "20 - (${first} - 1)")
    set(expectedLevel 19)
  else()
    set(expectedLevels ${levels})
    math(EXPR expectedLevel "${first} - 1 + ${levels}")
  endif()
  if(NOT gameScore EQUAL score OR NOT level EQUAL expectedLevel OR NOT levels EQUAL expectedLevels)
    message(FATAL_ERROR "strength ${strength} ${speed} from level ${first}: the trial cleared ${levels} levels "
                        "with ${score} points, the game ended with: ${last}")
  endif()
  message(STATUS "strength ${strength} ${speed} from level ${first}: ${levels} levels, ${score} points in both")
endforeach()
