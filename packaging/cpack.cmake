# The Debian package, built by `cpack -G DEB` (scripts/package.sh). Its dependencies are those
# dpkg-shlibdeps finds for the three executables, plus the fonts the pages are drawn in. No
# maintainer scripts: the desktop, MIME, icon and manual databases are refreshed by the file triggers
# of desktop-file-utils, shared-mime-info, hicolor-icon-theme and man-db, which watch the folders the
# package installs into.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "zorvek")
set(CPACK_PACKAGE_VENDOR "${ZORVEK_MAKER_NAME}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "${ZORVEK_MAKER_NAME} <${ZORVEK_MAKER_EMAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "McCabe-Thiele design of binary distillation columns")
# The synopsis comes from the summary; this is the extended description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "ZORVEK designs, and teaches the design of, a column that separates a binary
mixture by the McCabe-Thiele method. From the vapour-liquid equilibrium (a
constant relative volatility or a table of measured x-y points), the feed,
distillate and bottoms compositions, the feed's thermal state, the reflux
ratio and the plate efficiency it draws the diagram live, counts the
theoretical plates and the feed plate, writes a worked solution of the case
and prints a two-page report, in Spanish or English.
.
The package holds the desktop program zorvek, the report viewer markview and
the command-line solver zorvek-cli.")
set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ZORVEK_MAKER_WEB}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
# The help menu opens the manuals and web pages through xdg-open; double-clicking a case needs the
# MIME and desktop databases.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, shared-mime-info, desktop-file-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_SOURCE_GENERATOR "")
include(CPack)
