# What a Debian package carries besides the programs: the copyright and
# changelog, the manual pages, the AppStream metainfo and the bash
# completion; then the settings of `cpack -G DEB`.

# Where the maker publishes the program's pages, the user guide (res/help)
# at help/ below it: the package's homepage, and the address the software
# centres fetch the metainfo's screenshots from (the guide's own pictures).
# AppStream takes only web addresses for screenshots, never local files.
# The default is the maker's domain as the package's contact names it.
set(MORVIX_WEB_URL "https://pelorin.invalid/morvix" CACHE STRING "Web address of the program's pages")

include(${CMAKE_CURRENT_LIST_DIR}/Changelog.cmake)
morvix_read_changelog(${PROJECT_SOURCE_DIR}/packaging/changelog)

set(packaging ${PROJECT_BINARY_DIR}/packaging)
set(metainfo com.pelorin.morvix.metainfo.xml)
configure_file(${PROJECT_SOURCE_DIR}/docs/man/morvix.1.in ${packaging}/morvix.1 @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/docs/man/morvix-cli.1.in ${packaging}/morvix-cli.1 @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog ${packaging}/changelog COPYONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/${metainfo}.in ${packaging}/${metainfo} @ONLY)

# Debian wants these compressed at gzip's best, without a name or time
# stamp, so the same sources give the same package.
set(compressed "")
foreach(name morvix.1 morvix-cli.1 changelog)
  add_custom_command(OUTPUT ${packaging}/${name}.gz
    COMMAND gzip -9nkf ${packaging}/${name}
    DEPENDS ${packaging}/${name})
  list(APPEND compressed ${packaging}/${name}.gz)
endforeach()
add_custom_target(morvix_packaging ALL DEPENDS ${compressed})

include(GNUInstallDirs)
set(docdir ${CMAKE_INSTALL_DATADIR}/doc/morvix)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${packaging}/changelog.gz DESTINATION ${docdir})
install(FILES ${packaging}/morvix-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/morvix-cli.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME morvix-cli)
if(MORVIX_GUI)
  install(FILES ${packaging}/morvix.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${packaging}/${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

# cpack -G DEB in the build folder makes a Debian package of the installed
# layout; the libraries it links are found by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvix)
set(CPACK_PACKAGE_VENDOR "Pelorin Enterprises")
set(CPACK_PACKAGE_CONTACT "Pelorin Enterprises <morvix@pelorin.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop reference for musical scales and chords")
set(CPACK_PACKAGE_DESCRIPTION
  "Morvix Music Reference spells the notes of a key, a scale and a chord in
the notation you choose and shows them on the instruments you attach: fretted
strings in many tunings, piano keyboards, staves in twelve clefs and recorder
fingering charts. It keeps a history of every model you looked at, lists and
plays Standard MIDI Files with the instruments following the music, and names
the chords and scales that hold the notes you play on a MIDI keyboard.

The command morvix-cli prints the same reports, drawings and MIDI listings
without a display.")
set(CPACK_PACKAGE_HOMEPAGE_URL ${MORVIX_WEB_URL})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, qt6-qpa-plugins, fluid-soundfont-gm, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-plugins-bad")
include(CPack)
