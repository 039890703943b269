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
# Its entries, newest first, "VERSION EPOCH YYYY-MM-DD" a line, from the one reader of the
# changelog (entrees_changelog, scripts/commun.sh), which the Makefile's release date reads too.
execute_process(
    COMMAND bash -c ". '${CMAKE_CURRENT_LIST_DIR}/../scripts/commun.sh' && entrees_changelog '${VANTREL_CHANGELOG}'"
    OUTPUT_VARIABLE entrees OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "\n" ";" entrees "${entrees}")
if(NOT entrees)
    message(FATAL_ERROR "${VANTREL_CHANGELOG}: no entry")
endif()

set(VANTREL_RELEASES_APPSTREAM "")
set(version_precedente "")
foreach(entree IN LISTS entrees)
    separate_arguments(champs UNIX_COMMAND "${entree}")
    list(GET champs 0 version_debian)
    list(GET champs 1 epoque)
    list(GET champs 2 date)
    string(REGEX REPLACE "^[0-9]+:" "" version_amont "${version_debian}")
    string(REGEX REPLACE "-[^-]+$" "" version_amont "${version_amont}")
    if(NOT DEFINED VANTREL_VERSION_DEBIAN)
        set(VANTREL_VERSION_DEBIAN ${version_debian})
        set(VANTREL_VERSION_AMONT ${version_amont})
        set(epoque_changelog ${epoque})
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
    set(VANTREL_EPOQUE ${epoque_changelog})
endif()
if(NOT VANTREL_EPOQUE MATCHES "^[0-9]+$")
    message(FATAL_ERROR "SOURCE_DATE_EPOCH is '${VANTREL_EPOQUE}', not a number of seconds")
endif()
