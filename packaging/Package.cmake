# The Debian package (`cpack -G DEB` in a build directory): what `cmake --install` installs,
# under /usr, stripped. Its library dependencies come from dpkg-shlibdeps, so they name the
# Qt 6, SQLite and C++ runtime packages the programs link, at the versions they were built
# against; the platform plugins are named by hand, since Qt loads them at run time.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tallar2)
set(CPACK_PACKAGE_VENDOR Tallar2)
# No mailbox yet: a reserved domain, so nothing is sent anywhere by mistake.
set(CPACK_PACKAGE_CONTACT "Tallar2 developers <tallar2@tallar2.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "player characters of the role-playing game Runy Talu")
set(CPACK_PACKAGE_DESCRIPTION
    "Tallar2 makes and keeps player characters of the pen-and-paper fantasy role-playing \
game Runy Talu. The game's rules are data in an SQLite rules database edited in the \
program; a creation wizard walks a player through a new character, with dice rolled by the \
program or typed in from real dice. Characters are stored, shown, recomputed and exchanged \
as XML files. The user interface is Polish.\n\
This package holds the desktop program tallar2 and the command-line program tallar2-cli.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Both programs draw the character sheet with the DejaVu fonts, the free stand-ins for its
# faces (docs/SHEET.md).
set(tallar_depends fonts-dejavu-core fonts-dejavu-extra)
if(TARGET tallar2)
    # The desktop program cannot start without a platform plugin (xcb), and shows
    # Qt's own dialogs in Polish when Qt's translations are there.
    list(APPEND tallar_depends qt6-qpa-plugins)
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
endif()
string(JOIN ", " CPACK_DEBIAN_PACKAGE_DEPENDS ${tallar_depends})

include(CPack)
