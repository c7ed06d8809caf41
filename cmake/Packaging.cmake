# The Debian package: `cpack -G DEB` in the build directory (scripts/package.sh
# builds, installs, tries and removes it). Library dependencies come from
# dpkg-shlibdeps: Qt 6, and ICU for the note code pages (libicu72 on Debian
# 12, built against libicu-dev).
set(CPACK_PACKAGE_NAME mtz4clone)
set(CPACK_PACKAGE_VENDOR "mtz4-clone")
set(CPACK_PACKAGE_CONTACT "mtz4-clone developers <mtz4-clone@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Clone utility for MT-Z4J, MT-Z40E, MT-Z40T and MT-Z40K scanning receivers")
set(CPACK_PACKAGE_DESCRIPTION
    "Reads the memory of a handheld scanning receiver over a serial cable, edits its\n\
memory channels, banks, scan groups and settings, writes them back, and keeps\n\
them in clone files (.MZ4). Includes the desktop program mtz4clone, the\n\
command-line tool mtz4ctl and the receiver simulator mtz4sim.")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The toolkit's own translations: the standard buttons and the file dialog in
# the user's language.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
# The caches (applications, icons, the clone file type) are
# refreshed by the triggers of the packages that own them. A Japanese gothic
# font is the memory grid's first choice for the Note column.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "fonts-ipafont-gothic")
include(CPack)
