# Strips the programs and DLLs of STAGE of their symbols and debugging data
# (cmake -DSTAGE=... -DSTRIP=... -P strip_stage.cmake): the setup carries
# what runs, a third of the size, and packs in a fraction of the time.
file(GLOB_RECURSE binaries ${STAGE}/*.exe ${STAGE}/*.dll)
execute_process(COMMAND ${STRIP} --strip-unneeded ${binaries} COMMAND_ERROR_IS_FATAL ANY)
