# SPDX-License-Identifier: MIT
# The Debian package. In a configured and built folder,
#   cpack            (or: cmake --build . --target package)
# writes notepack_<version>_<architecture>.deb from the install rules.

# The programs link no library of their own, so they need no run path;
# Qt's default of $ORIGIN/../lib would only add a search path to /usr/bin.
if(TARGET notepack)
  set_target_properties(notepack notepack-cli PROPERTIES INSTALL_RPATH "")
endif()

set(NOTEPACK_PACKAGE_MAINTAINER "Notepack developers <notepack@users.noreply.github.com>"
  CACHE STRING "The Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME notepack)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Notepack")
set(CPACK_PACKAGE_CONTACT "${NOTEPACK_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pack plain-text files into a Memo Pad archive")
set(CPACK_PACKAGE_DESCRIPTION
  "Notepack packs plain-text files into one Memo Pad archive (.mpa), the file\n"
  "that a Palm handheld's desktop software imports into its Memo Pad. Each text\n"
  "file becomes one memo, in the order of the list. Text is read as UTF-8 and\n"
  "stored as Windows-1252.\n"
  "\n"
  "The package has the Notepack window (notepack) and the command-line packer\n"
  "(notepack-cli).")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_HOMEPAGE_URL ${PROJECT_HOMEPAGE_URL})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${NOTEPACK_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
# dpkg-shlibdeps (dpkg-dev) names the libraries the programs link, Qt's among
# them. Debian's Qt only recommends the platform plugins, and the window
# cannot open without them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# shared-mime-info, desktop-file-utils and the icon cache pick up the files
# through their own dpkg triggers, so the package needs no scripts.

include(CPack)
