# What `cmake --install` puts under the prefix (the two programs, the desktop
# entry, the icon, the ".da4" file type, the AppStream metadata, the manual
# pages) and the Debian package `cpack -G DEB` builds from the same files.

install(TARGETS kalvesta4 kalvesta4-cli RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
# The summary module, where the command line looks for it.
if(TARGET kalvesta4_summary)
    install(TARGETS kalvesta4_summary LIBRARY DESTINATION "${KALVESTA_MODULE_DIR}")
endif()

set(data "${PROJECT_SOURCE_DIR}/data")
set(generated "${PROJECT_BINARY_DIR}/data")
configure_file("${data}/kalvesta4.desktop.in" "${generated}/${KALVESTA_APP_ID}.desktop" @ONLY)
configure_file("${data}/kalvesta4-mime.xml.in" "${generated}/${KALVESTA_APP_ID}.xml" @ONLY)
configure_file("${data}/kalvesta4.metainfo.xml.in" "${generated}/${KALVESTA_APP_ID}.metainfo.xml"
               @ONLY)
configure_file("${data}/man/kalvesta4.1.in" "${generated}/kalvesta4.1" @ONLY)
configure_file("${data}/man/kalvesta4-cli.1.in" "${generated}/kalvesta4-cli.1" @ONLY)

install(FILES "${generated}/${KALVESTA_APP_ID}.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${generated}/${KALVESTA_APP_ID}.xml" DESTINATION "${CMAKE_INSTALL_DATADIR}/mime/packages")
install(FILES "${generated}/${KALVESTA_APP_ID}.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
install(FILES "${generated}/kalvesta4.1" "${generated}/kalvesta4-cli.1"
        DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
foreach(size IN ITEMS 16 22 24 32 48 64 128 256)
    install(FILES "${data}/icons/kalvesta4-${size}.png"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps"
            RENAME "${KALVESTA_APP_ID}.png")
endforeach()
install(FILES "${data}/icons/kalvesta4.svg"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps"
        RENAME "${KALVESTA_APP_ID}.svg")

# The Debian package: its run-time dependencies come from the binaries'
# libraries (dpkg-shlibdeps); its triggers have the desktop, MIME and icon
# databases rebuilt once the files are in place or gone.
set(CPACK_PACKAGE_NAME "kalvesta4")
set(CPACK_PACKAGE_VENDOR "Kalvesta4")
set(CPACK_PACKAGE_CONTACT "Kalvesta4 developers <kalvesta4@kalvesta.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "neutral point and centre of gravity of model aircraft")
set(CPACK_PACKAGE_DESCRIPTION [[Kalvesta4 tells a model-aircraft builder where the neutral point of the aircraft lies
and where to put the centre of gravity: up to three lifting surfaces, a vortex
lattice, the recommended centre-of-gravity range on a top view, .da4 aircraft
files and a printed summary. kalvesta4-cli runs the same calculation without a window.]])
set(CPACK_PACKAGE_INSTALL_DIRECTORY "kalvesta4")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time when printing, so no binary names it for dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libcups2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${data}/debian/triggers")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
