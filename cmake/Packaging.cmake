# A Debian package of what `cmake --install` puts on the system:
# `cpack -G DEB` in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quire)
set(CPACK_PACKAGE_VENDOR Tablewright)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Desktop editor for simple lists")
set(CPACK_PACKAGE_DESCRIPTION
    "Quire edits lists of text cells in named columns, saves them as .tbw list documents, imports text and CSV, and exports text, CSV and HTML.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tablewright <quire@tablewright.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
# The toolbar's SVG icons load through a plugin, which no linker sees.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
find_program(QUIRE_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(QUIRE_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS
        ", libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), libc6, libstdc++6"
        ", libpcre2-8-0")
endif()
include(CPack)
