# SPDX-License-Identifier: MIT
# `cpack` (and `make package`) builds corvanel_<version>_amd64.deb from the
# install rules of the Debian layout (the "debian" component), under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvanel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT ${CORVANEL_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "vertically scrolling shoot-'em-up")
# Debian wants the long description in lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "Fly the ship up a scrolling playfield through clouds, rain, industry,
lava and ice, shoot down five kinds of enemy waves and four bosses that
fire rotating, spiralling bursts, and win by destroying the final boss.
The ship has six lives; the score is never shown during play, but a won
game closes with a rank from E to A. Full-screen at 640 x 480, played
with the keyboard or a joystick. Every picture and sound of the game is
drawn and composed by its own code.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# One package, built from the Debian layout's install rules alone.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL debian)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
# dpkg-shlibdeps works the runtime libraries (SDL 1.2, SDL_image, SDL_mixer,
# libc, libstdc++) out of the game binary.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# Packing only reads what the build made: the Makefile and the tests build
# first, and a package test must not rebuild the tree under the other tests.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON PARENT_SCOPE)
include(CPack)
