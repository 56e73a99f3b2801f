# SPDX-License-Identifier: GPL-3.0-or-later
# A Debian package through CPack: scripts/build-deb.sh runs `cpack -G DEB` in
# the build folder and leaves tintaloo_6.0_amd64.deb there. What the program
# links against is found by dpkg-shlibdeps (package dpkg-dev); what it loads
# at run time without linking is listed by hand.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tintaloo)
set(CPACK_PACKAGE_VENDOR "The Tintaloo project")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tintaloo developers <developers@tintaloo.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "colouring book for young children")
# Lines of the long description stay under 80 characters.
string(JOIN "\n" CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "The Tintaloo is an electronic colouring book for young children. A child"
  "picks a black-and-white line picture from a book and colours it with a"
  "magic crayon, paintbrush, colouring pencil and marker pen, in colours taken"
  "from bubbles that float across the top bar; colour never runs over the"
  "outlines. A parent, behind a permission prompt and an optional password,"
  "can save a copy, print, change the settings and quit.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://tintaloo.example.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# Loaded at run time, not linked: the fonts of the labels and of the version
# lines; the X11 platform and the GIF and JPEG readers (plugins of Qt Gui);
# the sound output (plugins of Qt Multimedia).
# The Wayland keyboard lock reaches a window's surface through Qt's private
# platform interface, whose ABI holds for one Qt release only: depend on that
# release exactly, as Debian's own Qt programs do.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "fonts-comic-neue, fonts-ebgaramond, libqt6gui6, libqt6multimedia6, libqt6waylandclient6, qt6-base-abi (= ${Qt6_VERSION})")
# Wayland sessions run the program natively with these, through XWayland
# without them; the SVG icon engine lets menus draw the scalable icon; Qt's
# own translations put the file and print dialogs in the family's language
# (without them those dialogs stay English).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, libqt6svg6, qt6-translations-l10n")

include(CPack)
