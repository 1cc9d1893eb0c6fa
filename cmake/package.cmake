# cpack -G DEB: one Debian package of everything the install rules put in
# place. Dependencies on libraries come from the binaries (dpkg-shlibdeps);
# those below are what the programs load or read by name at run time.
set(CPACK_PACKAGE_NAME volemo)
set(VOLEMO_MAINTAINER "Volemo developers <volemo@example.org>" CACHE STRING
    "Maintainer of the Debian package (name <address>); also in desktop/changelog")
set(CPACK_PACKAGE_CONTACT ${VOLEMO_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "random phrase maker: composes musical phrases as MML and plays them")
set(CPACK_PACKAGE_DESCRIPTION "Volemo invents short musical phrases at random: it draws a rhythm pattern
from weighted symbols, picks notes from a weighted scale in a key, writes the
phrase as MML text, compiles it to a Standard MIDI File and plays it through
a General MIDI SoundFont. The window is in Japanese; volemo-cli runs the same
engine from the command line. The MML compiler is the library libdvorlin.")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# A shlibs file and the ldconfig trigger for libdvorlin.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/desktop/triggers)
# The SoundFont the player finds first in /usr/share/sounds/sf2/, the font the
# window asks for by name, Qt's X11 platform plugin and its Japanese texts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fluid-soundfont-gm | timgm6mb-soundfont, fonts-ipafont-gothic, qt6-qpa-plugins, qt6-translations-l10n")
# The support page opens the manual through xdg-open; without it the window
# says where the manual is.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
include(CPack)
