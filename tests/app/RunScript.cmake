# Runs quindel --script in a fresh working directory and compares what it
# prints with the expected output, byte for byte.
#   -D QUINDEL=... -D SCRIPT=... -D WORKDIR=... [-D EXPECTED=file] [-D STATUS=n]
#   [-D STDERR_REGEX=re] [-D HIGHSCORE_SIZE=n] [-D STDIN=1]
#   [-D SETTINGS_FILE=file]   settings.dat to start with
#   [-D SETTINGS_HEX=hex]     what settings.dat holds afterwards, in hex
#   [-D NEXT=base]            then base.script in the same directory, its
#                             output compared with base.expected
#   [-D EMULATOR=program]     runs QUINDEL through it (wine for the Windows
#                             build); CR LF line ends then count as LF
if(NOT DEFINED STATUS)
  set(STATUS 0)
endif()
file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR})
if(DEFINED SETTINGS_FILE)
  file(COPY_FILE ${SETTINGS_FILE} ${WORKDIR}/settings.dat)
endif()
# Only where the emulator's system writes text with CR LF are the line ends
# made equal; a native run must print exactly the expected bytes.
macro(normalise_line_ends)
  if(DEFINED EMULATOR)
    string(REPLACE "\r\n" "\n" out "${out}")
    string(REPLACE "\r\n" "\n" err "${err}")
  endif()
endmacro()
if(DEFINED EMULATOR)
  set(QUINDEL ${EMULATOR} ${QUINDEL})
endif()
if(STDIN)
  execute_process(COMMAND ${QUINDEL} --script - INPUT_FILE ${SCRIPT} WORKING_DIRECTORY ${WORKDIR}
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status TIMEOUT 60)
else()
  execute_process(COMMAND ${QUINDEL} --script ${SCRIPT} WORKING_DIRECTORY ${WORKDIR}
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status TIMEOUT 60)
endif()
normalise_line_ends()
if(NOT status STREQUAL STATUS)
  message(FATAL_ERROR "exit status ${status}, expected ${STATUS}\nstderr: ${err}")
endif()
if(DEFINED EXPECTED)
  file(READ ${EXPECTED} expected)
  if(NOT out STREQUAL expected)
    file(WRITE ${WORKDIR}/actual.txt "${out}")
    execute_process(COMMAND diff -u ${EXPECTED} ${WORKDIR}/actual.txt)
    message(FATAL_ERROR "output differs from ${EXPECTED} (actual in ${WORKDIR}/actual.txt)")
  endif()
endif()
if(DEFINED STDERR_REGEX AND NOT err MATCHES "${STDERR_REGEX}")
  message(FATAL_ERROR "stderr does not match ${STDERR_REGEX}: ${err}")
endif()
if(DEFINED HIGHSCORE_SIZE)
  file(SIZE ${WORKDIR}/highscore.dat size)
  if(NOT size EQUAL HIGHSCORE_SIZE)
    message(FATAL_ERROR "highscore.dat holds ${size} bytes, expected ${HIGHSCORE_SIZE}")
  endif()
endif()
if(DEFINED SETTINGS_HEX)
  file(READ ${WORKDIR}/settings.dat settings HEX)
  if(NOT settings STREQUAL SETTINGS_HEX)
    message(FATAL_ERROR "settings.dat holds ${settings}, expected ${SETTINGS_HEX}")
  endif()
endif()
if(DEFINED NEXT)
  execute_process(COMMAND ${QUINDEL} --script ${NEXT}.script WORKING_DIRECTORY ${WORKDIR}
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status TIMEOUT 60)
  normalise_line_ends()
  file(READ ${NEXT}.expected expected)
  if(NOT status EQUAL 0 OR NOT out STREQUAL expected)
    file(WRITE ${WORKDIR}/actual-next.txt "${out}")
    execute_process(COMMAND diff -u ${NEXT}.expected ${WORKDIR}/actual-next.txt)
    message(FATAL_ERROR "the next run (status ${status}) differs from ${NEXT}.expected")
  endif()
endif()
