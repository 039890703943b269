# Writes the uninstaller's list for NSIS: every file of the staged folder FICHIERS deleted one
# by one, then its folders, deepest first, so that nothing the installer did not put there is
# removed. Usage: cmake -DFICHIERS=dir -DSORTIE=file.nsh -P liste-nsis.cmake
file(GLOB_RECURSE fichiers RELATIVE "${FICHIERS}" "${FICHIERS}/*")
file(GLOB_RECURSE tout LIST_DIRECTORIES true RELATIVE "${FICHIERS}" "${FICHIERS}/*")
list(REMOVE_ITEM tout ${fichiers})
list(SORT tout ORDER DESCENDING)
set(texte "")
foreach(f IN LISTS fichiers)
    string(REPLACE "/" "\\" f "${f}")
    string(APPEND texte "Delete \"$INSTDIR\\${f}\"\n")
endforeach()
foreach(d IN LISTS tout)
    string(REPLACE "/" "\\" d "${d}")
    string(APPEND texte "RMDir \"$INSTDIR\\${d}\"\n")
endforeach()
file(WRITE "${SORTIE}" "${texte}")
