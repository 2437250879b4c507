# Copies the value lists and the tips from SRC to DEST, leaving every existing file alone.
file(GLOB files ${SRC}/*.ini ${SRC}/tip.txt)
foreach(f ${files})
  get_filename_component(name ${f} NAME)
  if(NOT EXISTS ${DEST}/${name})
    file(COPY ${f} DESTINATION ${DEST})
  endif()
endforeach()
