# What an installed Iconsmith carries besides its programs (which src/ installs): the size table,
# manual pages, shell completions and the README, each where a distribution looks for it; and
# the Debian package that `make package` builds from the same install rules.

# The size table travels with the programs: beside them in the build tree, in the data folder of
# an installed tree (SizeTable::locate looks in both).
configure_file(resources/SizeFile.plist ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/SizeFile.plist COPYONLY)
install(FILES resources/SizeFile.plist DESTINATION ${CMAKE_INSTALL_DATADIR}/iconsmith)

# Manual pages, written in roff under docs/man; the version and the date are filled in here
# (the date honours SOURCE_DATE_EPOCH, so a package build can be reproduced).
string(TIMESTAMP ICONSMITH_MAN_DATE "%Y-%m-%d" UTC)
set(ICONSMITH_MAN_PAGES iconsmith-cli)
if(ICONSMITH_BUILD_APP)
    list(APPEND ICONSMITH_MAN_PAGES iconsmith)
endif()
find_program(ICONSMITH_GZIP gzip)
set(ICONSMITH_MAN_OUTPUTS)
foreach(page IN LISTS ICONSMITH_MAN_PAGES)
    set(roff ${CMAKE_BINARY_DIR}/man/${page}.1)
    configure_file(docs/man/${page}.1.in ${roff} @ONLY)
    if(ICONSMITH_GZIP)
        # Debian installs manual pages compressed with gzip -9n (no name or time stamp inside).
        add_custom_command(OUTPUT ${roff}.gz
            COMMAND ${ICONSMITH_GZIP} -9 -n -k -f ${roff}
            DEPENDS ${roff}
            COMMENT "Compressing ${page}.1"
            VERBATIM)
        list(APPEND ICONSMITH_MAN_OUTPUTS ${roff}.gz)
    else()
        list(APPEND ICONSMITH_MAN_OUTPUTS ${roff})
    endif()
endforeach()
add_custom_target(iconsmith_man ALL DEPENDS ${ICONSMITH_MAN_OUTPUTS})
install(FILES ${ICONSMITH_MAN_OUTPUTS} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(ICONSMITH_ZSH_COMPLETION_DIR ${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions CACHE STRING
    "Where the zsh completion is installed (Debian: share/zsh/vendor-completions; elsewhere often share/zsh/site-functions)")
install(FILES resources/completions/iconsmith-cli.bash
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME iconsmith-cli)
install(FILES resources/completions/_iconsmith-cli DESTINATION ${ICONSMITH_ZSH_COMPLETION_DIR})
install(FILES README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/iconsmith)

# make package: a .deb for Debian 12 and its derivatives. dpkg-shlibdeps finds the libraries the
# programs link (Qt, libvips, libplist, libdeflate, ...) and names their packages; it cannot see
# what Qt loads at run time, so the platform plugins are named here.
set(ICONSMITH_PACKAGE_MAINTAINER "Iconsmith maintainers <iconsmith@example.org>" CACHE STRING
    "The Maintainer field of the Debian package")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME iconsmith)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "icon files of an application project from one image")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Iconsmith turns one source image (PNG, JPEG, WebP, TIFF, GIF, HEIF, SVG, PDF) into the icon\n"
    "files an application project needs: Xcode asset catalog icon sets for iPhone, iPad and\n"
    "Apple Watch, scaled image sets, and the icons of macOS, watchOS, Icon Composer, Android,\n"
    "Windows, the web and Linux. It has a desktop application, iconsmith, and a command-line\n"
    "tool, iconsmith-cli, with project files and JSON output for build scripts.")
set(CPACK_PACKAGE_CONTACT ${ICONSMITH_PACKAGE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(ICONSMITH_BUILD_APP)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
endif()
# xdg-open shows the save folder (--open, and the app after generating); the TV banners set the
# app's name in the bold sans-serif font DejaVu Sans gives on Debian.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "bash-completion")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
