# The program's version and release dates come from one file, debian/changelog, newest entry
# first: the package installs it, the window and the package take their version from its newest
# entry, and the AppStream metainfo lists its versions as releases. Read by dpkg-parsechangelog
# (dpkg-dev). Included by the top-level CMakeLists.txt before project().
#
# Sets:
#   VANTREL_VERSION_DEBIAN  the newest entry's version, as the package carries it ("1.0", "1.1-2")
#   VANTREL_VERSION_AMONT   the same without epoch and Debian revision, for project() ("1.1")
#   VANTREL_DATE_VERSION    the day that version was first released, YYYY-MM-DD
#   VANTREL_RELEASES_APPSTREAM  one <release/> element a version, newest first
#   VANTREL_EPOQUE          the newest entry's sign-off, in seconds since 1970: the one date of
#                           every time stamp in the releases (SOURCE_DATE_EPOCH, which wins if
#                           set, as in a distribution's own build)

set(VANTREL_CHANGELOG ${CMAKE_CURRENT_LIST_DIR}/../debian/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${VANTREL_CHANGELOG})
find_program(VANTREL_PARSECHANGELOG dpkg-parsechangelog REQUIRED)
# FIELD of the changelog's entry INDEX (0 the newest) in VARIABLE, empty if it has none.
function(vantrel_champ_changelog index champ variable)
    execute_process(
        COMMAND ${VANTREL_PARSECHANGELOG} -l ${VANTREL_CHANGELOG} --offset ${index} --count 1
                -S ${champ}
        OUTPUT_VARIABLE valeur OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    set(${variable} "${valeur}" PARENT_SCOPE)
endfunction()

set(epoque_appelant "$ENV{SOURCE_DATE_EPOCH}")
set(VANTREL_RELEASES_APPSTREAM "")
set(version_precedente "")
# Every entry but the binary-only ones that a build for one release adds ("1.0+deb12").
set(i 0)
while(TRUE)
    vantrel_champ_changelog(${i} Version version_debian)
    if(version_debian STREQUAL "")
        break()
    endif()
    vantrel_champ_changelog(${i} Binary-Only binaire)
    vantrel_champ_changelog(${i} Timestamp epoque)
    math(EXPR i "${i} + 1")
    if(binaire STREQUAL "yes")
        continue()
    endif()
    # The entry's day: string(TIMESTAMP) formats SOURCE_DATE_EPOCH when it is set.
    set(ENV{SOURCE_DATE_EPOCH} ${epoque})
    string(TIMESTAMP date "%Y-%m-%d" UTC)
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
endwhile()
set(ENV{SOURCE_DATE_EPOCH} "${epoque_appelant}")
if(NOT DEFINED VANTREL_VERSION_DEBIAN)
    message(FATAL_ERROR "${VANTREL_CHANGELOG}: no entry")
endif()
string(STRIP "${VANTREL_RELEASES_APPSTREAM}" VANTREL_RELEASES_APPSTREAM)

if(NOT VANTREL_VERSION_AMONT MATCHES "^[0-9]+(\\.[0-9]+)?(\\.[0-9]+)?(\\.[0-9]+)?$")
    message(FATAL_ERROR "${VANTREL_CHANGELOG}: the newest version, ${VANTREL_VERSION_DEBIAN}, "
                        "is not of the form 1.2.3 that project() takes")
endif()

if(NOT epoque_appelant STREQUAL "")
    set(VANTREL_EPOQUE "${epoque_appelant}")
else()
    set(VANTREL_EPOQUE ${epoque_changelog})
endif()
if(NOT VANTREL_EPOQUE MATCHES "^[0-9]+$")
    message(FATAL_ERROR "SOURCE_DATE_EPOCH is '${VANTREL_EPOQUE}', not a number of seconds")
endif()
