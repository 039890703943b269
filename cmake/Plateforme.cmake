# What differs between Debian releases and Qt versions, for the CMake side: facts of the system
# are asked of scripts/plateforme.sh, the one place that works them out; facts of Qt, of the Qt
# the build found.

# vantrel_plateforme(FACT VARIABLE): VARIABLE set to what the shell helper FACT prints
# (imagemagick, "version_disponible appstream"…).
function(vantrel_plateforme fait variable)
    execute_process(
        COMMAND bash -c ". '${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../scripts/plateforme.sh' && ${fait}"
        OUTPUT_VARIABLE valeur
        OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
    set(${variable} "${valeur}" PARENT_SCOPE)
endfunction()

# vantrel_plugins_qt(TYPE VARIABLE): the plugins of one type (styles, platforms…) that this Qt
# was built with, as files of its plugin folder: their names change with Qt's versions (the
# Windows style's did).
function(vantrel_plugins_qt type variable)
    file(GLOB plugins
        "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}/${type}/*${CMAKE_SHARED_MODULE_SUFFIX}")
    if(NOT plugins)
        message(FATAL_ERROR "Qt has no ${type} plugin in ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}")
    endif()
    set(${variable} "${plugins}" PARENT_SCOPE)
endfunction()
