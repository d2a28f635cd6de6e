# Installing Zapster as a desktop application, and packaging it as a Debian package.
#
#   cmake --install build [--prefix DIR]     # the game, its launcher, menu entry, icons, samples
#   cpack --config build/CPackConfig.cmake   # zapster_<version>_<arch>.deb
#
# Include from the root after the zapster target exists.

include(GNUInstallDirs)

# The one name the desktop knows the game by: menu entry, icons, AppStream component and the
# window's application id all use it, and the files in dist/ are named after it.
set(ZAPSTER_APP_ID "io.github.zapster.Zapster")
set(ZAPSTER_DIST_DIR "${CMAKE_CURRENT_LIST_DIR}/../dist")

target_compile_definitions(zapster PRIVATE ZAPSTER_APP_ID="${ZAPSTER_APP_ID}")
zapster_add_icons(zapster_icons)

install(TARGETS zapster RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
# The sound module in a folder of the game's own under the library directory, found from the
# program's own place, wherever the tree is installed or unpacked.
install(TARGETS zapster_sound LIBRARY DESTINATION "${ZAPSTER_SOUND_INSTALL_DIR}")
file(RELATIVE_PATH ZAPSTER_SOUND_FROM_BIN "/${CMAKE_INSTALL_BINDIR}" "/${ZAPSTER_SOUND_INSTALL_DIR}")
set_target_properties(zapster PROPERTIES INSTALL_RPATH "$ORIGIN/${ZAPSTER_SOUND_FROM_BIN}")
# The menu entry runs the launcher, which starts the game in the player's category folder.
install(PROGRAMS "${ZAPSTER_DIST_DIR}/zapster-launch" DESTINATION "${CMAKE_INSTALL_BINDIR}")
# The menu entry and the AppStream data are written in English in dist/; the build adds their
# texts in every language the game speaks, from the same translations.
add_executable(zapster_metadata "${CMAKE_CURRENT_LIST_DIR}/../tools/metadata/main.cpp")
target_link_libraries(zapster_metadata PRIVATE Qt6::Core)
set(ZAPSTER_DESKTOP_FILE "${CMAKE_BINARY_DIR}/dist/${ZAPSTER_APP_ID}.desktop")
set(ZAPSTER_METAINFO_FILE "${CMAKE_BINARY_DIR}/dist/${ZAPSTER_APP_ID}.metainfo.xml")
string(JOIN "," ZAPSTER_LANGUAGE_LIST ${ZAPSTER_LANGUAGES})
add_custom_command(
    OUTPUT "${ZAPSTER_DESKTOP_FILE}" "${ZAPSTER_METAINFO_FILE}"
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${CMAKE_BINARY_DIR}/dist"
    COMMAND zapster_metadata "${ZAPSTER_TRANSLATIONS_BUILD_DIR}" "${ZAPSTER_LANGUAGE_LIST}"
            "${ZAPSTER_DIST_DIR}/${ZAPSTER_APP_ID}.desktop" "${ZAPSTER_DESKTOP_FILE}"
            "${ZAPSTER_DIST_DIR}/${ZAPSTER_APP_ID}.metainfo.xml" "${ZAPSTER_METAINFO_FILE}"
    DEPENDS zapster_metadata ${ZAPSTER_QM_FILES} "${ZAPSTER_DIST_DIR}/${ZAPSTER_APP_ID}.desktop"
            "${ZAPSTER_DIST_DIR}/${ZAPSTER_APP_ID}.metainfo.xml"
    COMMENT "Menu entry and AppStream data in every language"
    VERBATIM)
add_custom_target(zapster_metadata_files ALL DEPENDS "${ZAPSTER_DESKTOP_FILE}" "${ZAPSTER_METAINFO_FILE}")
add_dependencies(zapster_metadata_files zapster_lrelease)
install(FILES "${ZAPSTER_DESKTOP_FILE}" DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${ZAPSTER_METAINFO_FILE}" DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
foreach(size IN LISTS ZAPSTER_ICON_SIZES)
    install(FILES "${ZAPSTER_ICON_DIR}/icon-${size}.png"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps"
            RENAME "${ZAPSTER_APP_ID}.png")
endforeach()
install(FILES "${ZAPSTER_ICON_DIR}/icon.svg"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps"
        RENAME "${ZAPSTER_APP_ID}.svg")
# The licence where Debian packages keep theirs.
install(FILES "${CMAKE_CURRENT_LIST_DIR}/../LICENSE" DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/zapster"
        RENAME copyright)
# The samples go with the game's data rather than under doc/, which minimal Debian systems
# leave out when they unpack packages.
file(GLOB ZAPSTER_EXAMPLES CONFIGURE_DEPENDS
     "${CMAKE_CURRENT_LIST_DIR}/../examples/*.zap" "${CMAKE_CURRENT_LIST_DIR}/../examples/README.txt")
install(FILES ${ZAPSTER_EXAMPLES} DESTINATION "${CMAKE_INSTALL_DATADIR}/zapster/examples")

# ---------------------------------------------------------------------------------------------
# The Debian package.

set(ZAPSTER_MAINTAINER "The Zapster developers <zapster@example.org>"
    CACHE STRING "Maintainer named in the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zapster)
set(CPACK_PACKAGE_VENDOR "The Zapster developers")
set(CPACK_PACKAGE_CONTACT "${ZAPSTER_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "quiz game for two teams on one screen")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The summary above is the package's synopsis line; this is the text under it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Zapster is a quiz game for two teams, played on one computer that a
moderator operates while the teams watch. Teams pick squares on a board of
category columns, answer against a time bar, and Zapster questions turn the
scoring round. Questions come from plain text category files; samples are
in /usr/share/zapster/examples.")
# The libraries come from dpkg-shlibdeps. Qt loads its X11 platform plugin at run time, and the
# layout names the faces of these font packages, so neither shows up as a linked library.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, fonts-liberation2, fonts-urw-base35, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)
