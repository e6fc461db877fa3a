# Where `cmake --install` puts Olk, and the Debian packages CPack makes of it.
#
#   <prefix>/games/olk, olk-sim, olk-bot        the game and its tools
#   <prefix>/share/games/olk/                    read-only data: the picture,
#       sound and calendar libraries, the voice library, the radio list and
#       the help pages (the game finds it from its own folder, OLK_DATA_FROM_PROGRAM)
#   <prefix>/share/applications, metainfo, icons/hicolor, man/man6
#   <prefix>/bin/olk-service, <prefix>/share/olk-service/music,
#   the systemd unit and man/man8                (component "service")
#
# An installed game cannot write beside itself; it keeps its files in the
# user's data folder (records/program_folders.h).
set(OLK_DIST ${PROJECT_SOURCE_DIR}/dist)
set(OLK_DIST_BUILD ${CMAKE_BINARY_DIR}/dist)

# Manual pages and the change log are installed compressed, as Debian wants.
function(olk_gzip_file source output)
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${OLK_DIST_BUILD}
        COMMAND sh -c "gzip -9n < \"$1\" > \"$2\"" olk-gzip ${source} ${output}
        DEPENDS ${source}
        VERBATIM)
endfunction()

set(OLK_GZIPPED)
foreach(page olk.6 olk-sim.6 olk-bot.6 olk-service.8)
    olk_gzip_file(${OLK_DIST}/man/${page} ${OLK_DIST_BUILD}/${page}.gz)
    list(APPEND OLK_GZIPPED ${OLK_DIST_BUILD}/${page}.gz)
endforeach()
olk_gzip_file(${OLK_DIST}/debian/changelog ${OLK_DIST_BUILD}/changelog.gz)
list(APPEND OLK_GZIPPED ${OLK_DIST_BUILD}/changelog.gz)
add_custom_target(olk_dist_files ALL DEPENDS ${OLK_GZIPPED})

# The unit starts the service from wherever the prefix puts it.
set(OLK_SERVICE_BINARY ${CMAKE_INSTALL_FULL_BINDIR}/olk-service)
set(OLK_SERVICE_MUSIC ${CMAKE_INSTALL_PREFIX}/${OLK_INSTALL_SERVICEDATADIR}/music)
set(OLK_GAME_DATA ${CMAKE_INSTALL_PREFIX}/${OLK_INSTALL_GAMEDATADIR})
configure_file(${OLK_DIST}/linux/olk-service.service.in ${OLK_DIST_BUILD}/olk-service.service @ONLY)

# ---------------------------------------------------------------- the game
if(OLK_BUILD_GAME)
    install(TARGETS olk olk-sim olk-bot RUNTIME DESTINATION ${OLK_INSTALL_GAMEDIR} COMPONENT game)
    install(FILES ${CMAKE_BINARY_DIR}/program/TevCVoice3.dll
            DESTINATION ${OLK_INSTALL_GAMEDATADIR} COMPONENT game)
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/assets/help
            DESTINATION ${OLK_INSTALL_GAMEDATADIR} COMPONENT game)
    # The libraries the options dialog would otherwise download.
    install(DIRECTORY ${CMAKE_BINARY_DIR}/libraries/
            DESTINATION ${OLK_INSTALL_GAMEDATADIR} COMPONENT game)
    install(FILES ${OLK_DIST}/linux/org.olk.Olk.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT game)
    install(FILES ${OLK_DIST}/linux/org.olk.Olk.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT game)
    install(FILES ${OLK_DIST}/icons/org.olk.Olk.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT game)
    install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor COMPONENT game
            FILES_MATCHING PATTERN "*.png")
    install(FILES ${OLK_DIST_BUILD}/olk.6.gz ${OLK_DIST_BUILD}/olk-sim.6.gz
                  ${OLK_DIST_BUILD}/olk-bot.6.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man6 COMPONENT game)
    install(FILES ${OLK_DIST}/debian/copyright ${OLK_DIST_BUILD}/changelog.gz
            DESTINATION ${CMAKE_INSTALL_DOCDIR}/../olk COMPONENT game)
endif()

# ------------------------------------------------------------- the service
install(TARGETS olk-service RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT service)
if(OLK_BUILD_GAME)
    # The club's music, made with the game's assets.
    install(DIRECTORY ${CMAKE_BINARY_DIR}/music/
            DESTINATION ${OLK_INSTALL_SERVICEDATADIR}/music COMPONENT service
            FILES_MATCHING PATTERN "*.ogg")
endif()
install(FILES ${OLK_DIST_BUILD}/olk-service.service
        DESTINATION ${OLK_SYSTEMD_UNITDIR} COMPONENT service)
install(FILES ${OLK_DIST_BUILD}/olk-service.8.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man8 COMPONENT service)
install(FILES ${OLK_DIST}/debian/copyright ${OLK_DIST_BUILD}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR}/../olk-service COMPONENT service)

# -------------------------------------------------------- Debian packages
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME olk)
set(CPACK_PACKAGE_VENDOR "The Olk developers")
set(CPACK_PACKAGE_CONTACT "Olk developers <dev@olk.example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL game service)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://olk.example.org/")
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

set(CPACK_DEBIAN_GAME_PACKAGE_NAME olk)
set(CPACK_DEBIAN_GAME_PACKAGE_SECTION games)
# Beyond the libraries dpkg-shlibdeps finds: Qt's X11 platform plugin, the
# SVG image plugin, GStreamer's Ogg, Vorbis and HTTP source elements for the
# music and the radio, the sound font of the melody and the fonts the
# settings' faces stand in for.
set(CPACK_DEBIAN_GAME_PACKAGE_DEPENDS
    "qt6-qpa-plugins, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, timgm6mb-soundfont | fluid-soundfont-gm, fonts-dejavu-core, fonts-liberation2, fonts-comfortaa")
set(CPACK_DEBIAN_GAME_PACKAGE_RECOMMENDS
    "fonts-noto-cjk, gstreamer1.0-pulseaudio | pipewire-pulse, gstreamer1.0-libav, gstreamer1.0-plugins-bad")
set(CPACK_DEBIAN_GAME_PACKAGE_SUGGESTS "olk-service")
set(CPACK_COMPONENT_GAME_DESCRIPTION
    "card game Thirty-one for four seats
Olk plays Thirty-one (also known as Schwimmen, Scat or Blitz) at a table of
four: you against computer opponents, or people on your local network, whose
games it finds by itself.

It keeps club records and a history with a progress chart, speaks in ten
languages, plays with many card sets, decks and table designs, and brings
sounds, a melody, an internet radio, a holiday calendar and GIF recordings
of your games. The whole game can be played from the keyboard.

Together with olk-service it offers player accounts, world score tables,
statistics, news, chat and an online tournament.")

set(CPACK_DEBIAN_SERVICE_PACKAGE_NAME olk-service)
set(CPACK_DEBIAN_SERVICE_PACKAGE_SECTION net)
set(CPACK_DEBIAN_SERVICE_PACKAGE_DEPENDS "libqt6sql6-sqlite")
set(CPACK_DEBIAN_SERVICE_PACKAGE_SUGGESTS "libqt6sql6-psql, postgresql, olk")
set(CPACK_COMPONENT_SERVICE_DESCRIPTION
    "online club server for the card game Olk
olk-service is the server the Olk game talks to: player accounts, photos,
world score tables and the account rating, statistics, news and chat, the
online tournament with its relay, library downloads and the club's music
and radio station.

It keeps its data in an embedded SQLite database, or in PostgreSQL for
larger clubs. A hardened systemd unit is included.")

include(CPack)
