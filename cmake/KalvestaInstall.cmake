# What `cmake --install` puts under the prefix (the two programs, the summary
# module, the desktop entry, the icon, the ".da4" file type, the AppStream
# metadata, the manual pages, the terms) and the Debian package `cpack -G DEB`
# builds from the same files (configured as the preset "package" does).

install(TARGETS kalvesta4 kalvesta4-cli RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
# The summary module, where the command line looks for it.
if(TARGET kalvesta4_summary)
    install(TARGETS kalvesta4_summary LIBRARY DESTINATION "${KALVESTA_MODULE_DIR}")
endif()

set(data "${PROJECT_SOURCE_DIR}/data")
set(generated "${PROJECT_BINARY_DIR}/data")
configure_file("${data}/kalvesta4-mime.xml.in" "${generated}/${KALVESTA_APP_ID}.xml" @ONLY)
configure_file("${data}/kalvesta4.metainfo.xml.in" "${generated}/${KALVESTA_APP_ID}.metainfo.xml"
               @ONLY)
configure_file("${data}/man/kalvesta4.1.in" "${generated}/kalvesta4.1" @ONLY)
configure_file("${data}/man/kalvesta4-cli.1.in" "${generated}/kalvesta4-cli.1" @ONLY)
configure_file("${data}/debian/changelog" "${generated}/changelog.Debian" COPYONLY)

# Manual pages and the package's changelog are installed compressed, without
# name or time stamp, so that every build gives the same bytes.
set(compressed_files)
foreach(file IN ITEMS kalvesta4.1 kalvesta4-cli.1 changelog.Debian)
    set(copy "${generated}/compressed/${file}")
    add_custom_command(OUTPUT "${copy}.gz"
                       COMMAND "${CMAKE_COMMAND}" -E copy "${generated}/${file}" "${copy}"
                       COMMAND gzip -9nf "${copy}"
                       DEPENDS "${generated}/${file}" VERBATIM)
    list(APPEND compressed_files "${copy}.gz")
endforeach()
# Everything the install takes from the build (build preset "programs").
add_custom_target(kalvesta4_install_tree ALL DEPENDS ${compressed_files})
add_dependencies(kalvesta4_install_tree kalvesta4 kalvesta4-cli kalvesta4_summary)

# The desktop entry is written when installing, for the prefix installed to
# (cmake/KalvestaDesktopEntry.cmake).
install(CODE "
    set(KALVESTA_APP_ID \"${KALVESTA_APP_ID}\")
    set(KALVESTA_MIME_TYPE \"${KALVESTA_MIME_TYPE}\")
    set(KALVESTA_BINDIR \"${CMAKE_INSTALL_BINDIR}\")
    set(desktop_template \"${data}/kalvesta4.desktop.in\")
    set(desktop_entry \"${generated}/${KALVESTA_APP_ID}.desktop\")
    include(\"${PROJECT_SOURCE_DIR}/cmake/KalvestaDesktopEntry.cmake\")
")
install(FILES "${generated}/${KALVESTA_APP_ID}.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${generated}/${KALVESTA_APP_ID}.xml" DESTINATION "${CMAKE_INSTALL_DATADIR}/mime/packages")
install(FILES "${generated}/${KALVESTA_APP_ID}.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
install(FILES "${generated}/compressed/kalvesta4.1.gz" "${generated}/compressed/kalvesta4-cli.1.gz"
        DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
foreach(size IN ITEMS 16 22 24 32 48 64 128 256)
    install(FILES "${data}/icons/kalvesta4-${size}.png"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps"
            RENAME "${KALVESTA_APP_ID}.png")
endforeach()
install(FILES "${data}/icons/kalvesta4.svg"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps"
        RENAME "${KALVESTA_APP_ID}.svg")

# The terms: the package states them in its machine-readable copyright file (the
# text of LICENSE under the name KALVESTA_LICENSE) beside its changelog and its
# lintian overrides, any other install as LICENSE.
set(KALVESTA_DEBIAN_REVISION 1)
set(doc_dir "${CMAKE_INSTALL_DATADIR}/doc/kalvesta4")
if(KALVESTA_DEBIAN_PACKAGE)
    file(STRINGS "${data}/debian/changelog" changelog_head LIMIT_COUNT 1)
    string(FIND "${changelog_head}" "kalvesta4 (${PROJECT_VERSION}-${KALVESTA_DEBIAN_REVISION}) "
           at)
    if(NOT at EQUAL 0)
        message(FATAL_ERROR "data/debian/changelog: the first entry is not version "
                            "${PROJECT_VERSION}-${KALVESTA_DEBIAN_REVISION}; add one")
    endif()
    # The licence text as a field's continuation lines: each line after a
    # blank, an empty line as " .".
    file(READ "${PROJECT_SOURCE_DIR}/LICENSE" KALVESTA_LICENSE_TEXT)
    string(STRIP "${KALVESTA_LICENSE_TEXT}" KALVESTA_LICENSE_TEXT)
    string(REGEX REPLACE "\n\n" "\n.\n" KALVESTA_LICENSE_TEXT "${KALVESTA_LICENSE_TEXT}")
    string(REPLACE "\n" "\n " KALVESTA_LICENSE_TEXT " ${KALVESTA_LICENSE_TEXT}")
    configure_file("${data}/debian/copyright.in" "${generated}/copyright" @ONLY)
    install(FILES "${generated}/copyright" "${generated}/compressed/changelog.Debian.gz"
            DESTINATION "${doc_dir}")
    install(FILES "${data}/debian/lintian-overrides"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/lintian/overrides" RENAME kalvesta4)
else()
    install(FILES "${PROJECT_SOURCE_DIR}/LICENSE" DESTINATION "${doc_dir}")
endif()

# The Debian package: its run-time dependencies come from the binaries'
# libraries (dpkg-shlibdeps); its triggers have the desktop, MIME and icon
# databases rebuilt once the files are in place or gone.
set(CPACK_PACKAGE_NAME "kalvesta4")
set(CPACK_PACKAGE_VENDOR "Kalvesta4")
set(CPACK_PACKAGE_CONTACT "${KALVESTA_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "neutral point and centre of gravity of model aircraft")
# Lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION [[Kalvesta4 tells a model-aircraft builder where the neutral point of the
aircraft lies and where to put the centre of gravity: up to three lifting
surfaces, a vortex lattice, the recommended centre-of-gravity range on a top
view, .da4 aircraft files and a printed summary. kalvesta4-cli runs the same
calculation without a window.]])
set(CPACK_PACKAGE_INSTALL_DIRECTORY "kalvesta4")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_RELEASE "${KALVESTA_DEBIAN_REVISION}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${KALVESTA_HOMEPAGE}")
# All rights reserved: not free software in Debian's sense.
set(CPACK_DEBIAN_PACKAGE_SECTION "non-free/science")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time when printing, so no binary names it for dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libcups2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${data}/debian/triggers")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

# Last of the install: the list of the files it put under the prefix, kept in the
# prefix for scripts/uninstall. Not for a staged install (DESTDIR), such as the
# package's, whose package manager keeps its own list.
install(CODE "set(kalvesta_file_list
    \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/kalvesta4/install_manifest.txt\")")
install(CODE [[
    if("$ENV{DESTDIR}" STREQUAL "")
        list(JOIN CMAKE_INSTALL_MANIFEST_FILES "\n" installed)
        file(WRITE "${kalvesta_file_list}" "${installed}\n")
        message(STATUS "Listed the installed files in ${kalvesta_file_list}")
    endif()
]])
