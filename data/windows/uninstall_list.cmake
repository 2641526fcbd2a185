# Writes the uninstaller's part that removes exactly the files and folders
# of STAGE (cmake -DSTAGE=... -DLIST=... -P uninstall_list.cmake): a Delete
# for every file, then an RMDir for every folder, the deepest first.
file(GLOB_RECURSE files RELATIVE ${STAGE} ${STAGE}/*)
file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE ${STAGE} ${STAGE}/*)
set(folders ${entries})
list(REMOVE_ITEM folders ${files})
set(lines)
foreach(file IN LISTS files)
  string(REPLACE "/" "\\" file "${file}")
  string(APPEND lines "  Delete \"$INSTDIR\\${file}\"\n")
endforeach()
list(SORT folders ORDER DESCENDING)
foreach(folder IN LISTS folders)
  string(REPLACE "/" "\\" folder "${folder}")
  string(APPEND lines "  RMDir \"$INSTDIR\\${folder}\"\n")
endforeach()
file(WRITE ${LIST} "${lines}")
