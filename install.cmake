# Installing the game on a Linux desktop: `cmake --install build --prefix ~/.local` (or /usr/local).
#
#   bin/nuyo                                             the game
#   lib/nuyo/nuyo-sound.so                               its sound, loaded once the title shows
#   share/nuyo/はじめに.txt                               the introduction text the game opens
#   share/nuyo/introduction.txt                          its English version, opened on other desktops
#   share/applications/io.github.nuyo.Nuyo.desktop       the menu entry
#   share/icons/hicolor/NxN/apps/io.github.nuyo.Nuyo.png the icon at 32, 48, 64 and 128 pixels
#   share/icons/hicolor/NxN@2/apps/io.github.nuyo.Nuyo.png the same sizes for screens of twice the
#                                                        density: 64, 96, 128 and 256 pixels
#   share/metainfo/io.github.nuyo.Nuyo.metainfo.xml      the software-centre description
#   share/man/man6/nuyo.6                                the manual page, among the games
#
# An installed game keeps its ranking file in the user's data folder, because the prefix is
# usually not writable; the game tells the two cases apart by the share/nuyo folder beside bin/.

set(NUYO_APP_ID io.github.nuyo.Nuyo)

install(TARGETS nuyo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS nuyo-sound LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/nuyo)

install(FILES docs/はじめに.txt docs/introduction.txt DESTINATION ${CMAKE_INSTALL_DATADIR}/nuyo)

install(FILES dist/${NUYO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES dist/${NUYO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES dist/nuyo.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

foreach(size 32 48 64 128)
    install(FILES layouts/art/icons/nuyo-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${NUYO_APP_ID}.png)
    # The icon theme's "@2" folders hold each size drawn at twice the pixels.
    math(EXPR doubled "${size} * 2")
    install(FILES layouts/art/icons/nuyo-${doubled}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}@2/apps
            RENAME ${NUYO_APP_ID}.png)
endforeach()
