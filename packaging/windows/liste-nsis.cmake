# Lists the staged folder FICHIERS (named Vantrel) for the installer and the zip, every file in
# sorted order, so that both take them in the same order from any build, into the folder SORTIE:
# - installation.nsh: the installer's File commands, folder by folder;
# - fichiers.nsh: the uninstaller's list, every file deleted one by one, then its folders,
#   deepest first, so that nothing the installer did not put there is removed;
# - archive.txt: the zip's files, one a line, relative to the folder above FICHIERS.
# Usage: cmake -DFICHIERS=dir -DSORTIE=dir -P liste-nsis.cmake
file(GLOB_RECURSE fichiers RELATIVE "${FICHIERS}" "${FICHIERS}/*")
file(GLOB_RECURSE tout LIST_DIRECTORIES true RELATIVE "${FICHIERS}" "${FICHIERS}/*")
list(SORT fichiers)
list(REMOVE_ITEM tout ${fichiers})
list(SORT tout ORDER DESCENDING)
get_filename_component(nom_dossier "${FICHIERS}" NAME)
set(installation "")
set(desinstallation "")
set(archive "")
set(dossier_courant "-")
foreach(f IN LISTS fichiers)
    get_filename_component(dossier "${f}" DIRECTORY)
    if(NOT dossier STREQUAL dossier_courant)
        string(REPLACE "/" "\\" d "\\${dossier}")
        if(d STREQUAL "\\")
            set(d "")
        endif()
        string(APPEND installation "SetOutPath \"$INSTDIR${d}\"\n")
        set(dossier_courant "${dossier}")
    endif()
    string(APPEND installation "File \"${FICHIERS}/${f}\"\n")
    string(APPEND archive "${nom_dossier}/${f}\n")
    string(REPLACE "/" "\\" f "${f}")
    string(APPEND desinstallation "Delete \"$INSTDIR\\${f}\"\n")
endforeach()
foreach(d IN LISTS tout)
    string(REPLACE "/" "\\" d "${d}")
    string(APPEND desinstallation "RMDir \"$INSTDIR\\${d}\"\n")
endforeach()
file(WRITE "${SORTIE}/installation.nsh" "${installation}")
file(WRITE "${SORTIE}/fichiers.nsh" "${desinstallation}")
file(WRITE "${SORTIE}/archive.txt" "${archive}")
