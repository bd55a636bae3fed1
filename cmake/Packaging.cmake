# A Debian package of the program: `cpack -G DEB` in a build folder.
set(CPACK_PACKAGE_NAME "tessaro")
set(CPACK_PACKAGE_VENDOR "The Tessaro developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Exact arithmetic of integers, fractions and polynomials")
set(CPACK_PACKAGE_DESCRIPTION
    "Tessaro teaches the exact arithmetic of integers, fractions and polynomials with rational\n\
coefficients, and turns what it computes into problems with their answers.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR "DEB")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Tessaro developers <maintainers@users.noreply.c-seed-ff45d370.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION "education")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# The libraries come from dpkg-shlibdeps; the platform plugins are loaded, not linked.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Qt's own dialogs and buttons in the desktop's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)
