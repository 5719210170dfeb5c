# Makes the zip a Windows player downloads: one folder holding quindel.exe
# (stripped of its debugging information), music\, licences\ and README.txt,
# the text files with Windows line ends.
#   cmake -D EXE=... -D STRIP=... -D MUSIC=dir -D LICENCES=dir -D README=file
#         -D NAME=Quindel-VERSION-win64 -D OUT=dir -P MakeZip.cmake
set(stage ${OUT}/zip-stage)
set(folder ${stage}/${NAME})
file(REMOVE_RECURSE ${stage})
file(MAKE_DIRECTORY ${folder}/music ${folder}/licences)

execute_process(COMMAND ${STRIP} --strip-all -o ${folder}/quindel.exe ${EXE} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cannot strip ${EXE}")
endif()
file(GLOB songs ${MUSIC}/*.mod ${MUSIC}/*.wav)
list(LENGTH songs count)
if(count EQUAL 0)
  message(FATAL_ERROR "no music in ${MUSIC}")
endif()
file(COPY ${songs} DESTINATION ${folder}/music)

function(copy_text from to)
  file(READ ${from} text)
  string(REPLACE "\r\n" "\n" text "${text}")
  string(REPLACE "\n" "\r\n" text "${text}")
  file(WRITE ${to} "${text}")
endfunction()
file(GLOB licences ${LICENCES}/*.txt)
foreach(licence ${licences})
  get_filename_component(name ${licence} NAME)
  copy_text(${licence} ${folder}/licences/${name})
endforeach()
copy_text(${README} ${folder}/README.txt)

# The same bytes for the same files: every entry dated as the release.
file(REMOVE ${OUT}/${NAME}.zip)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${OUT}/${NAME}.zip --format=zip --mtime=2026-01-01 ${NAME}
                WORKING_DIRECTORY ${stage} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cannot make ${OUT}/${NAME}.zip")
endif()
file(REMOVE_RECURSE ${stage})
