# The package's extended description is the AppStream metainfo's <description>, English then
# French, in the form CPack turns into a Description field: CPack puts a space before each line
# and " ." for each empty one, and a line that already starts with a space is shown as it is,
# hence the list items " - ". With CPack's space, lines are at most 79 columns.
#
#   vantrel_description_debian(METAINFO_FILE OUTPUT_VARIABLE)
#
# The metainfo's <p> and <li> hold plain text (no markup inside); xml:lang="fr" marks the French
# ones. Lengths are counted in bytes, so accented lines wrap a little short of 79 columns.
# CPack (3.25) strips the last line's leading spaces: the description must end with a
# paragraph, as it does, not with a list item.

set(VANTREL_LARGEUR_DESCRIPTION 78)

# Appends TEXTE word-wrapped to the list named LISTE: the first line starts with PREMIER, the
# others with SUITE.
function(vantrel_plie texte premier suite liste)
    string(REGEX MATCHALL "[^ ]+" mots "${texte}")
    set(resultat "${${liste}}")
    set(ligne "${premier}")
    set(debut TRUE)
    foreach(mot IN LISTS mots)
        if(debut)
            set(essai "${ligne}${mot}")
        else()
            set(essai "${ligne} ${mot}")
        endif()
        string(LENGTH "${essai}" longueur)
        if(longueur GREATER VANTREL_LARGEUR_DESCRIPTION AND NOT debut)
            list(APPEND resultat "${ligne}")
            set(ligne "${suite}${mot}")
        else()
            set(ligne "${essai}")
        endif()
        set(debut FALSE)
    endforeach()
    list(APPEND resultat "${ligne}")
    set(${liste} "${resultat}" PARENT_SCOPE)
endfunction()

function(vantrel_description_debian metainfo sortie)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${metainfo})
    file(READ ${metainfo} xml)
    # Semicolons would split CMake lists: kept aside as a character XML text cannot hold.
    string(ASCII 1 point_virgule)
    string(REPLACE ";" "${point_virgule}" xml "${xml}")
    if(NOT xml MATCHES "<description>(.*)</description>")
        message(FATAL_ERROR "${metainfo}: no <description>")
    endif()
    string(REGEX MATCHALL "<(p|li)( xml:lang=\"fr\")?>[^<]*</(p|li)>" elements "${CMAKE_MATCH_1}")

    set(lignes "")
    foreach(langue en fr)
        set(precedent "")
        foreach(element IN LISTS elements)
            string(REGEX MATCH "^<(p|li)( xml:lang=\"fr\")?>([^<]*)<" element "${element}")
            set(genre ${CMAKE_MATCH_1})
            set(texte "${CMAKE_MATCH_3}")
            if(CMAKE_MATCH_2 STREQUAL "" AND langue STREQUAL "fr"
               OR NOT CMAKE_MATCH_2 STREQUAL "" AND langue STREQUAL "en")
                continue()
            endif()
            string(REGEX REPLACE "[ \t\r\n]+" " " texte "${texte}")
            string(STRIP "${texte}" texte)
            foreach(entite lt:< gt:> quot:\" apos:' amp:&)
                string(REGEX MATCH "^([a-z]+):(.)$" entite "${entite}")
                string(REPLACE "&${CMAKE_MATCH_1}${point_virgule}" "${CMAKE_MATCH_2}" texte
                       "${texte}")
            endforeach()
            # An empty line between paragraphs, between a paragraph and a list, and between the
            # two languages; none between the items of one list.
            list(LENGTH lignes nombre)
            if(nombre GREATER 0 AND NOT (genre STREQUAL "li" AND precedent STREQUAL "li"))
                list(APPEND lignes "")
            endif()
            if(genre STREQUAL "li")
                vantrel_plie("${texte}" " - " "   " lignes)
            else()
                vantrel_plie("${texte}" "" "" lignes)
            endif()
            set(precedent ${genre})
        endforeach()
    endforeach()
    list(JOIN lignes "\n" description)
    string(REPLACE "${point_virgule}" ";" description "${description}")
    set(${sortie} "${description}" PARENT_SCOPE)
endfunction()
