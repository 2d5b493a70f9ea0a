# The Debian package: `cpack -G DEB` in a build folder. Its dependencies are the shared
# libraries dpkg-shlibdeps finds plus xdg-utils, which opens files and folders; the desktop's
# own triggers update the menu and the icon cache, so there are no maintainer scripts.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wayfolder)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "file manager built around a list of favorite folders")
set(CPACK_PACKAGE_DESCRIPTION
    "Wayfolder shows three columns: the favorite folders, the folder tree, and the files of the open\n\
folder with a filter box. Choosing a favorite opens its folder and applies the file filter\n\
stored with it. The interface exists in English and Swedish.")
set(CPACK_PACKAGE_CONTACT "Wayfolder <${WAYFOLDER_AUTHOR_EMAIL}>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${WAYFOLDER_WEB_SERVER}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "xdg-utils")
include(CPack)
