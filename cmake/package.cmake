# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` puts beside the two programs, and the Debian
# package that `cpack -G DEB` makes of it in the build folder.
# scripts/check-package.sh unpacks that package and checks every file named
# here, so a file added or renamed here is added or renamed there too.

# ZYL_APP_ID (the top CMakeLists.txt) names the desktop entry, the AppStream
# component, the icon and the program's desktop file name.
set(ZYL_ICON_SIZES 16 24 32 48 64 128 256)

set(ZYL_PACKAGING ${CMAKE_CURRENT_BINARY_DIR}/packaging)

# The man pages, the changelog and the AppStream metainfo carry the version
# and the release date of the top CMakeLists.txt (@PROJECT_VERSION@,
# @ZYL_RELEASE_DATE@). A new release writes its number into CMake only; its
# changelog entry and metainfo release go on top with the placeholders, the
# previous ones keeping their numbers written out.
foreach(src docs/man/zyl.1 docs/man/zyl-minimize.1 cmake/debian/changelog
            app/desktop/${ZYL_APP_ID}.metainfo.xml)
    get_filename_component(name ${src} NAME)
    configure_file(${src} ${ZYL_PACKAGING}/${name} @ONLY)
endforeach()

# Man pages and the changelog are installed compressed, as Debian wants them;
# -n keeps the name and time out, so the same source gives the same bytes.
find_program(ZYL_GZIP gzip REQUIRED)
set(ZYL_GZIPPED)
foreach(name zyl.1 zyl-minimize.1 changelog)
    set(out ${ZYL_PACKAGING}/${name}.gz)
    add_custom_command(OUTPUT ${out}
        COMMAND ${ZYL_GZIP} -9n -c ${ZYL_PACKAGING}/${name} > ${out}
        DEPENDS ${ZYL_PACKAGING}/${name}
        VERBATIM)
    list(APPEND ZYL_GZIPPED ${out})
endforeach()
add_custom_target(zyl_packaging_files ALL DEPENDS ${ZYL_GZIPPED})

install(FILES ${ZYL_PACKAGING}/zyl.1.gz ${ZYL_PACKAGING}/zyl-minimize.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# A native package (no Debian revision): its changelog is changelog.gz.
install(FILES ${ZYL_PACKAGING}/changelog.gz cmake/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zyl)

if(ZYL_BUILD_GUI)
    # The menu entry that opens .zyl files, its AppStream description, the
    # "ZYL Document" type and the application icon in the hicolor theme.
    install(FILES app/desktop/${ZYL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${ZYL_PACKAGING}/${ZYL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES app/desktop/zyl-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME zyl.xml)
    foreach(size ${ZYL_ICON_SIZES})
        install(FILES res/icons/zyl-${size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME ${ZYL_APP_ID}.png)
    endforeach()
    install(FILES res/icons/${ZYL_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    # Example documents, made and saved by the program: a PROM and a PAL lab.
    file(GLOB ZYL_EXAMPLES CONFIGURE_DEPENDS examples/*.zyl)
    install(FILES ${ZYL_EXAMPLES} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zyl/examples)
endif()

set(CPACK_PACKAGE_NAME zyl)
set(CPACK_PACKAGE_VENDOR "ZYL developers")
# The project runs no mail host: the address is under the reserved .invalid
# domain (RFC 2606), which claims no real host.
set(CPACK_PACKAGE_CONTACT "ZYL developers <maintainers@zyl.invalid>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching simulator of a fuse-programmable logic device")
# CPack indents these lines for the control file and turns the empty line
# into the " ." that separates paragraphs.
set(CPACK_PACKAGE_DESCRIPTION "ZYL shows how a small fuse-programmable logic device with four inputs
and four outputs realises Boolean functions. The four functions are entered
as a truth table, as minterm or maxterm lists with don't cares, or by
blowing and re-instating fuses on the drawn fuse map; the device, the
minimized sums of products and the connection diagrams follow.

In PROM mode the AND array is a fixed decoder feeding a programmable OR
array; in PAL mode the AND array is programmable and every function is
minimized to a lowest-cost sum of products of at most four terms by the
tabular method. A PLA is drawn for comparison. The fuse map can be
printed and exported as PNG, SVG or PDF, and the minimizer is also
available on its own as zyl-minimize.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
