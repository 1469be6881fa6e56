# Copies SRC to DST only when DST does not exist, so a rebuild keeps the player's file.
if(NOT EXISTS "${DST}")
    configure_file("${SRC}" "${DST}" COPYONLY)
endif()
