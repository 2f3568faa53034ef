# The Debian package: cpack -G DEB in the build folder makes
# tamikaze-netdata_<version>_<arch>.deb with everything under /usr, its
# Depends computed by dpkg-shlibdeps. No maintainer scripts: the menu, icon
# and man-page caches are refreshed by the triggers of their own packages.

set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/tamikaze-netdata)
set(TAMIKAZE_DEB_MAINTAINER
    "TamikazeNetData for Linux developers <tamikaze-netdata@users.noreply.github.com>"
    CACHE STRING "Maintainer of the Debian package")

# copyright in Debian's machine-readable form, its licence text from LICENSE.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)" _ "${license}")
set(holder "${CMAKE_MATCH_1}")
string(REGEX REPLACE "^.*Copyright[^\n]*\n\n" "" terms "${license}")
string(REGEX REPLACE "\n+$" "" terms "${terms}")
string(REPLACE "\n\n" "\n.\n" terms "${terms}")
string(REPLACE "\n" "\n " terms "${terms}")
file(WRITE ${PROJECT_BINARY_DIR}/debian/copyright
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: TamikazeNetData for Linux

Files: *
Copyright: ${holder}
License: MIT
 ${terms}
")

set(changelog ${PROJECT_BINARY_DIR}/debian/changelog)
configure_file(debian/changelog ${changelog} COPYONLY)
add_custom_command(
  OUTPUT ${changelog}.gz
  COMMAND ${GZIP_EXECUTABLE} -9nkf ${changelog}
  DEPENDS ${changelog}
  VERBATIM)
add_custom_target(tamikaze_debian_docs ALL DEPENDS ${changelog}.gz)
install(FILES ${PROJECT_BINARY_DIR}/debian/copyright ${changelog}.gz DESTINATION ${doc_dir})
install(FILES debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME tamikaze-netdata)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tamikaze-netdata)
set(CPACK_PACKAGE_VENDOR "TamikazeNetData for Linux developers")
set(CPACK_PACKAGE_CONTACT "${TAMIKAZE_DEB_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "convert Japanese horse-racing race cards into race files for Tamikaze")
set(CPACK_PACKAGE_DESCRIPTION
    "TamikazeNetData converts the race cards downloaded from JRA-VAN or
競馬道OnLine as LHA archives (.lzh) into race files (.uma) for the
race-analysis program Tamikaze, one file per race. It recognises which of
six data sets an archive holds and never overwrites a race file.

The package holds the desktop program TamikazeNetData (Qt 6), the command
line tamikaze-netdata for batch conversion, and the LHA library they load.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
if(TAMIKAZE_BUILD_GUI)
  # Qt finds its X11 and Wayland platform plugins at run time: no library
  # links them, so dpkg-shlibdeps cannot see them.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
  # Qt's own dialogs and buttons in Japanese.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic | fonts-noto-cjk, qt6-translations-l10n")
  set(CPACK_DEBIAN_PACKAGE_SUGGESTS "wine")
endif()
include(CPack)
