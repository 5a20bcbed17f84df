# SPDX-License-Identifier: GPL-3.0-or-later
# Installation and the Debian package (cpack -G DEB, or ./lexidor.sh paquet).
include(GNUInstallDirs)
set(LEXIDOR_DATADIR "${CMAKE_INSTALL_DATADIR}/lexidor")
set(LEXIDOR_LIBEXECDIR "${CMAKE_INSTALL_LIBEXECDIR}/lexidor")
# Debian looks for the documents under the package's name, not the project's.
set(LEXIDOR_DOCDIR "${CMAKE_INSTALL_DATADIR}/doc/lexidor")
set(LEXIDOR_MAINTAINER "Lexidor developers <lexidor@users.noreply.github.com>"
    CACHE STRING "Maintainer named in the Debian package")

string(REGEX REPLACE "^([0-9]+)/([0-9]+)/([0-9]+)$" "\\3-\\2-\\1" LEXIDOR_DATE_ISO "${LEXIDOR_DATE}")
execute_process(COMMAND date -R -u -d "${LEXIDOR_DATE_ISO}" OUTPUT_VARIABLE LEXIDOR_DATE_RFC
                OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
configure_file(dist/lexidor.in "${CMAKE_CURRENT_BINARY_DIR}/lexidor-launcher" @ONLY)
configure_file(dist/io.github.lexidor.Lexidor.metainfo.xml.in
               "${CMAKE_CURRENT_BINARY_DIR}/io.github.lexidor.Lexidor.metainfo.xml" @ONLY)
configure_file(dist/changelog.in "${CMAKE_CURRENT_BINARY_DIR}/changelog" @ONLY)
execute_process(COMMAND gzip -9nc "${CMAKE_CURRENT_BINARY_DIR}/changelog"
                OUTPUT_FILE "${CMAKE_CURRENT_BINARY_DIR}/changelog.gz")
foreach(page lexidor.1 lexidor-builder.1 lexidor-mots.1)
    execute_process(COMMAND gzip -9nc "${CMAKE_CURRENT_SOURCE_DIR}/dist/${page}"
                    OUTPUT_FILE "${CMAKE_CURRENT_BINARY_DIR}/${page}.gz")
    install(FILES "${CMAKE_CURRENT_BINARY_DIR}/${page}.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
endforeach()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             dist/changelog.in dist/lexidor.1 dist/lexidor-builder.1 dist/lexidor-mots.1)

install(TARGETS lexidor RUNTIME DESTINATION "${LEXIDOR_LIBEXECDIR}")
install(TARGETS lexidor-son LIBRARY DESTINATION "${LEXIDOR_LIBEXECDIR}")
install(PROGRAMS "${CMAKE_CURRENT_BINARY_DIR}/lexidor-launcher" DESTINATION "${CMAKE_INSTALL_BINDIR}"
        RENAME lexidor)
install(DIRECTORY runtime/listes runtime/images DESTINATION "${LEXIDOR_DATADIR}")
install(FILES runtime/infosouris-ods8.txt runtime/APP05.WAV runtime/description.txt runtime/mots-disparus.txt
        DESTINATION "${LEXIDOR_DATADIR}" OPTIONAL)
# Installed straight into a prefix the user owns, the data is made read-only, so that nothing writes
# through the links of the player's folder; staged for a package (DESTDIR), it keeps the usual modes
# and root owns it once installed.
install(CODE "set(lexidor_donnees \"\${CMAKE_INSTALL_PREFIX}/${LEXIDOR_DATADIR}\")")
install(CODE [[
if("$ENV{DESTDIR}" STREQUAL "")
    file(GLOB_RECURSE fichiers LIST_DIRECTORIES false "${lexidor_donnees}/*")
    file(CHMOD ${fichiers} PERMISSIONS OWNER_READ GROUP_READ WORLD_READ)
endif()
]])
install(FILES dist/io.github.lexidor.Lexidor.desktop DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${CMAKE_CURRENT_BINARY_DIR}/io.github.lexidor.Lexidor.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
install(FILES dist/io.github.lexidor.Lexidor.svg DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
install(FILES dist/copyright runtime/NOTICE README.md "${CMAKE_CURRENT_BINARY_DIR}/changelog.gz"
        DESTINATION "${LEXIDOR_DOCDIR}")

# What a player runs: the program and every command-line tool (an executable named lexidor-*, in
# whichever folder it is declared). Each tool goes to bin/ and into the package without a rule of
# its own; ./lexidor.sh run and paquet build this target rather than the tests and benchmarks.
add_custom_target(lexidor_programmes)
add_dependencies(lexidor_programmes lexidor)
function(lexidor_installer_outils dir)
    get_property(targets DIRECTORY "${dir}" PROPERTY BUILDSYSTEM_TARGETS)
    foreach(t IN LISTS targets)
        get_target_property(type ${t} TYPE)
        if(type STREQUAL "EXECUTABLE" AND t MATCHES "^lexidor-")
            install(TARGETS ${t} RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
            add_dependencies(lexidor_programmes ${t})
        endif()
    endforeach()
    get_property(subdirs DIRECTORY "${dir}" PROPERTY SUBDIRECTORIES)
    foreach(sub IN LISTS subdirs)
        lexidor_installer_outils("${sub}")
    endforeach()
endfunction()
# Deferred to the end of the top folder, so that tools declared after this file are seen too.
cmake_language(DEFER DIRECTORY "${CMAKE_SOURCE_DIR}" CALL lexidor_installer_outils "${CMAKE_SOURCE_DIR}")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lexidor)
set(CPACK_PACKAGE_VENDOR Lexidor)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "trainer for the new words of the French Scrabble word list")
set(CPACK_PACKAGE_DESCRIPTION "\
Lexidor trains French Scrabble players on the words that a new edition of the
word list brings: anagrams with a single solution of 2 to 9 letters, racks with
several anagrams, verbs, words with expensive letters, new inflected forms,
one-letter hooks and a test on a random sample of racks, answered against the
clock until every rack is mastered. Its windows are in French.
.
The shipped word lists are a stand-in built from a free French dictionary;
lexidor-builder, or the Mes listes button of the menu, builds the training
bases from word lists of the player's own.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${LEXIDOR_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the libraries the programs link: the window system plugins (part of libqt6gui6 on Debian 12,
# of this package on later releases) and the fonts the windows are laid out for.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
# Qt's own buttons and dialogs in French.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The version the build wrote (with +dirty for uncommitted changes), read when cpack runs.
set(CPACK_LEXIDOR_VERSION_TEXT "${LEXIDOR_VERSION_TEXT}")
set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_CURRENT_SOURCE_DIR}/dist/cpack-version.cmake")
include(CPack)
