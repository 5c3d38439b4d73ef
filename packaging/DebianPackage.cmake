# `cpack` (the `package` target) makes a .deb of what `cmake --install` puts in place.
set(TAVULIN_MAINTAINER "The Tavulin developers <developers@tavulin.example>"
    CACHE STRING "The package's maintainer, as name <address>")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavulin)
set(CPACK_PACKAGE_VENDOR "The Tavulin developers")
set(CPACK_PACKAGE_CONTACT "${TAVULIN_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "visual reaction time measurement")
# Debian keeps the lines of the long description within 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "Tavulin measures simple visual reaction time: a panel turns yellow, then\n"
    "green after a random one to five seconds, and the subject clicks it as fast\n"
    "as possible. The results go to a table, a chart and a histogram, save to and\n"
    "load from CSV files, and the charts save as PNG, SVG or PDF and print. A\n"
    "calibration run times a fixed sleep with the system's counter and with the\n"
    "processor's cycle counter. The program speaks Serbian.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TAVULIN_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# dpkg-shlibdeps finds the libraries the program links; what Qt loads at run time and the
# fonts the charts draw with are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, qt6-qpa-plugins, libqt6svg6, fonts-liberation")

include(CPack)
