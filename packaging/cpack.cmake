# The Debian package: `cpack -G DEB` in the build directory.
set(CPACK_PACKAGE_NAME lenscalc)
set(CPACK_PACKAGE_VENDOR ${vendor})
set(CPACK_PACKAGE_CONTACT "Lens Calculator developers <lenscalc@users.noreply.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Surface curves, mould curves and glass diameters for a lens workshop")
# Lines kept under 80 columns: dpkg shows the description as it is.
set(CPACK_PACKAGE_DESCRIPTION
    "A small desktop calculator for a spectacle-lens workshop: the curve of a\n\
surface from its sag height, the base and cross curves of a mould, and the\n\
glass diameter a frame needs.")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Song-style typeface the window asks for.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-arphic-uming)

include(CPack)
