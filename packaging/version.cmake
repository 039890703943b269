# The program's version and release dates come from one file, packaging/changelog, in Debian's
# changelog format, newest entry first: the package installs it compressed as changelog.gz, the
# window and the package take their version from its newest entry, and the AppStream metainfo
# lists its versions as releases. Included by the top-level CMakeLists.txt before project().
#
# Sets:
#   VANTREL_VERSION_DEBIAN  the newest entry's version, as the package carries it ("1.0", "1.1-2")
#   VANTREL_VERSION_AMONT   the same without epoch and Debian revision, for project() ("1.1")
#   VANTREL_DATE_VERSION    the day that version was first released, YYYY-MM-DD
#   VANTREL_RELEASES_APPSTREAM  one <release/> element a version, newest first
#   VANTREL_EPOQUE          the newest entry's sign-off, in seconds since 1970: the one date of
#                           every time stamp in the releases (SOURCE_DATE_EPOCH, which wins if
#                           set, as in a distribution's own build)

set(VANTREL_CHANGELOG ${CMAKE_CURRENT_LIST_DIR}/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${VANTREL_CHANGELOG})
file(READ ${VANTREL_CHANGELOG} texte)

# Each entry opens with "vantrel (VERSION) DISTRIBUTION; urgency=…" and closes with
# " -- NAME <ADDRESS>  Sun, 06 Dec 2026 19:10:03 +0000".
set(motif_entete "(^|\n)vantrel \\(([^ ()]+)\\) ")
set(motif_signature "\n -- [^\n]+>  [A-Z][a-z][a-z], ([0-9]?[0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
string(REGEX MATCHALL "${motif_entete}" entetes "${texte}")
string(REGEX MATCHALL "${motif_signature}" signatures "${texte}")
list(LENGTH entetes nombre)
list(LENGTH signatures nombre_signatures)
if(nombre EQUAL 0 OR NOT nombre EQUAL nombre_signatures)
    message(FATAL_ERROR "${VANTREL_CHANGELOG}: ${nombre} entry headings for ${nombre_signatures} "
                        "sign-off lines; each entry needs both (dpkg-parsechangelog -l FILE)")
endif()

set(mois Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
set(VANTREL_RELEASES_APPSTREAM "")
set(version_precedente "")
math(EXPR dernier "${nombre} - 1")
foreach(i RANGE ${dernier})
    list(GET entetes ${i} entete)
    string(REGEX MATCH "${motif_entete}" entete "${entete}")
    set(version_debian ${CMAKE_MATCH_2})
    list(GET signatures ${i} signature)
    string(REGEX MATCH "${motif_signature}" signature "${signature}")
    set(jour ${CMAKE_MATCH_1})
    set(annee ${CMAKE_MATCH_3})
    list(FIND mois "${CMAKE_MATCH_2}" numero_mois)
    if(numero_mois LESS 0)
        message(FATAL_ERROR "${VANTREL_CHANGELOG}: no month in '${signature}'")
    endif()
    math(EXPR numero_mois "${numero_mois} + 1")
    string(REGEX REPLACE "^([0-9])$" "0\\1" numero_mois "${numero_mois}")
    string(REGEX REPLACE "^([0-9])$" "0\\1" jour "${jour}")
    set(date "${annee}-${numero_mois}-${jour}")

    string(REGEX REPLACE "^[0-9]+:" "" version_amont "${version_debian}")
    string(REGEX REPLACE "-[^-]+$" "" version_amont "${version_amont}")
    if(i EQUAL 0)
        set(VANTREL_VERSION_DEBIAN ${version_debian})
        set(VANTREL_VERSION_AMONT ${version_amont})
    endif()
    if(version_amont STREQUAL VANTREL_VERSION_AMONT)
        set(VANTREL_DATE_VERSION ${date})
    endif()
    # Entries that only change the packaging keep the upstream version: its release is the
    # oldest of them, which replaces the date of the newer one.
    if(version_amont STREQUAL version_precedente)
        string(REGEX REPLACE "date=\"[0-9-]+\"/>$" "date=\"${date}\"/>"
               VANTREL_RELEASES_APPSTREAM "${VANTREL_RELEASES_APPSTREAM}")
    else()
        string(APPEND VANTREL_RELEASES_APPSTREAM
               "\n    <release version=\"${version_amont}\" date=\"${date}\"/>")
    endif()
    set(version_precedente ${version_amont})
endforeach()
string(STRIP "${VANTREL_RELEASES_APPSTREAM}" VANTREL_RELEASES_APPSTREAM)

if(NOT VANTREL_VERSION_AMONT MATCHES "^[0-9]+(\\.[0-9]+)?(\\.[0-9]+)?(\\.[0-9]+)?$")
    message(FATAL_ERROR "${VANTREL_CHANGELOG}: the newest version, ${VANTREL_VERSION_DEBIAN}, "
                        "is not of the form 1.2.3 that project() takes")
endif()

if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(VANTREL_EPOQUE "$ENV{SOURCE_DATE_EPOCH}")
else()
    execute_process(
        COMMAND bash -c ". '${CMAKE_CURRENT_LIST_DIR}/../scripts/commun.sh' && epoque_changelog '${VANTREL_CHANGELOG}'"
        OUTPUT_VARIABLE VANTREL_EPOQUE OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
endif()
if(NOT VANTREL_EPOQUE MATCHES "^[0-9]+$")
    message(FATAL_ERROR "SOURCE_DATE_EPOCH is '${VANTREL_EPOQUE}', not a number of seconds")
endif()
