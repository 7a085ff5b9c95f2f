# Packs what a user downloads: <OUT>/hopvox-<VERSION>.zip holding the stripped
# program, the channel announcements, the help and the read-me, the texts with
# Windows line ends.
#   cmake -DEXE=... -DSTRIP=... -DSOURCE=... -DOUT=... -DVERSION=... -P package.cmake
set(stage ${OUT}/hopvox-${VERSION})
file(REMOVE_RECURSE ${stage})
file(MAKE_DIRECTORY ${stage})
execute_process(COMMAND ${STRIP} -o ${stage}/hopvox.exe ${EXE} COMMAND_ERROR_IS_FATAL ANY)
foreach(text help/HOPVOX.TXT package/README.TXT)
  file(READ ${SOURCE}/resources/${text} content)
  string(REPLACE "\r\n" "\n" content "${content}")
  string(REPLACE "\n" "\r\n" content "${content}")
  get_filename_component(name ${text} NAME)
  file(WRITE ${stage}/${name} "${content}")
endforeach()
# The sixteen channel announcements, beside the program, where it finds them.
file(GLOB announcements ${SOURCE}/resources/sounds/channels/*.wav)
file(COPY ${announcements} DESTINATION ${stage})
file(REMOVE ${OUT}/hopvox-${VERSION}.zip)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf hopvox-${VERSION}.zip --format=zip hopvox-${VERSION}
                WORKING_DIRECTORY ${OUT} COMMAND_ERROR_IS_FATAL ANY)
