# Writes SHA256SUMS beside the release files, one "HASH  NAME" line each, sorted by name, as
# `sha256sum -c SHA256SUMS` reads it in the folder of the downloads. Run by cpack once it has
# built the package (CPACK_POST_BUILD_SCRIPTS, which hands in CPACK_PACKAGE_FILES, still in
# cpack's own folder, and the folder they go to), or as
#   cmake -DFICHIERS="a.exe;b.zip" -P sommes-sha256.cmake
if(DEFINED CPACK_PACKAGE_FILES)
    set(FICHIERS ${CPACK_PACKAGE_FILES})
    set(dossier "${CPACK_PACKAGE_DIRECTORY}")
endif()
list(SORT FICHIERS)
set(texte "")
foreach(f IN LISTS FICHIERS)
    file(SHA256 "${f}" somme)
    get_filename_component(nom "${f}" NAME)
    if(NOT DEFINED CPACK_PACKAGE_FILES)
        get_filename_component(dossier "${f}" DIRECTORY)
    endif()
    string(APPEND texte "${somme}  ${nom}\n")
endforeach()
file(WRITE "${dossier}/SHA256SUMS" "${texte}")
