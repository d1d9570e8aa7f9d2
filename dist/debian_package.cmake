# What cpack -G DEB puts into the package's control file. The libraries the
# programs link are found by dpkg-shlibdeps; nothing is loaded at run time that
# those packages do not bring.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvik-atoms)
set(CPACK_PACKAGE_VENDOR "Tarvik Games")
set(CPACK_PACKAGE_CONTACT "Tarvik Games <games@tarvik-games.example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "puzzle game: push atoms until they form a molecule")
set(CPACK_PACKAGE_DESCRIPTION
"On a board of walls and loose atoms you pick up an atom, push it (it slides
until something stops it) and put it down, until the atoms form the molecule
of the construction plan shown beside the board. There is no score, no move
counter and no timer.

The game speaks English and German, keeps the player's progress in saved
games and shows its rules in its own help viewer. The package also holds
tarvik-plans, which compiles, checks, plays and solves construction plans.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tarvik-games.example.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Sound reaches the speakers through the desktop's sound server when there is one.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "pulseaudio | pipewire-pulse")

include(CPack)
