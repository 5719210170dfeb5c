# The scripted runs of the real executable and what each must print, in
# tests/app/scripts. Included by tests/app and, for the Windows build, by
# tests/windows: there the executable runs under the cross-build's emulator
# (wine), whose output has Windows line ends, made equal before comparing.
set(script_dir ${CMAKE_CURRENT_LIST_DIR}/scripts)
set(script_runner ${CMAKE_CURRENT_LIST_DIR}/RunScript.cmake)
function(quindel_script_test name)
  cmake_parse_arguments(ARG "STDIN" "STATUS;STDERR_REGEX;HIGHSCORE_SIZE;EXPECTED;SETTINGS_FILE;SETTINGS_HEX;NEXT" "" ${ARGN})
  set(args -DQUINDEL=$<TARGET_FILE:quindel> -DSCRIPT=${script_dir}/${ARG_UNPARSED_ARGUMENTS}.script
           -DWORKDIR=${CMAKE_CURRENT_BINARY_DIR}/script-runs/${name})
  if(ARG_EXPECTED)
    list(APPEND args -DEXPECTED=${script_dir}/${ARG_EXPECTED}.expected)
  endif()
  if(ARG_SETTINGS_FILE)
    list(APPEND args -DSETTINGS_FILE=${script_dir}/${ARG_SETTINGS_FILE})
  endif()
  if(ARG_NEXT)
    list(APPEND args -DNEXT=${script_dir}/${ARG_NEXT})
  endif()
  foreach(option STATUS STDERR_REGEX HIGHSCORE_SIZE SETTINGS_HEX)
    if(DEFINED ARG_${option})
      list(APPEND args "-D${option}=${ARG_${option}}")
    endif()
  endforeach()
  if(ARG_STDIN)
    list(APPEND args -DSTDIN=1)
  endif()
  if(CMAKE_CROSSCOMPILING)
    list(APPEND args "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}")
  endif()
  add_test(NAME script.${name} COMMAND ${CMAKE_COMMAND} ${args} -P ${script_runner})
  set_tests_properties(script.${name} PROPERTIES TIMEOUT 60
                       ENVIRONMENT "SDL_VIDEODRIVER=dummy;SDL_AUDIODRIVER=dummy")
endfunction()

foreach(name startup hard-level-five landing-and-lines dialog-pause end-in-dialog exit-stops-reading)
  quindel_script_test(${name} ${name} EXPECTED ${name} HIGHSCORE_SIZE 120)
endforeach()
# The name entry at game over, the hall of fame and the key options.
foreach(name name-entry-ten-letters name-entry-empty name-entry-escape name-entry-ascii hall-of-fame-pauses
             keys-preselection)
  quindel_script_test(${name} ${name} EXPECTED ${name} HIGHSCORE_SIZE 120)
endforeach()
# settings.dat as six little-endian codes: the default file is 37, 39, 40, 38, 32, 19.
set(default_settings 250000002700000028000000260000002000000013000000)
quindel_script_test(keys-defaults-preselected keys-defaults-preselected EXPECTED keys-defaults-preselected
                    SETTINGS_HEX ${default_settings})
quindel_script_test(keys-default-button keys-default-button EXPECTED keys-default-button
                    SETTINGS_HEX ${default_settings})
quindel_script_test(keys-drop-on-x keys-drop-on-x EXPECTED keys-drop-on-x NEXT keys-drop-on-x-next-run
                    SETTINGS_HEX 250000002700000028000000260000005800000013000000)
quindel_script_test(keys-unknown-code keys-unknown-code EXPECTED keys-unknown-code
                    SETTINGS_FILE keys-unknown-code.settings.dat
                    SETTINGS_HEX ffffffff4100000028000000260000002000000000000000)
# A recorded game's start: the data files' bytes (written and read back) and
# the preview capsule; a name given as bytes keeps its spaces.
quindel_script_test(setup-lines setup-lines EXPECTED setup-lines HIGHSCORE_SIZE 120
                    SETTINGS_HEX 250000002700000028000000260000005800000013000000)
quindel_script_test(keys-value-to-button keys-value-to-button STATUS 2 STDERR_REGEX "line 3.*dialog 1036 x")
quindel_script_test(startup-from-stdin startup EXPECTED startup STDIN)
# Versus: the computer at strength 3 takes the match from a player who
# presses nothing, and two players at one keyboard; neither touches the
# hall of fame.
foreach(name versus-computer-wins versus-two-players)
  quindel_script_test(${name} ${name} EXPECTED ${name} HIGHSCORE_SIZE 120)
endforeach()
# A line that cannot be understood: its number and text on stderr, status 2,
# and the final save skipped (highscore.dat stays as the start left it).
quindel_script_test(bad-line bad-line STATUS 2 STDERR_REGEX "line 3.*menu 121" HIGHSCORE_SIZE 0)
quindel_script_test(unknown-command unknown-command STATUS 2 STDERR_REGEX "line 3.*jump 3" HIGHSCORE_SIZE 0)

