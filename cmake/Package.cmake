# The Debian package: `make package` (cpack in the build folder) writes
# vextora_<version>_<arch>.deb. Its Depends are computed from the installed
# binaries by dpkg-shlibdeps (dxflib, curl, Qt ...), so apt-get pulls in
# whatever a fresh machine lacks.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vextora)
set(CPACK_PACKAGE_VENDOR "Vextora")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "SVG to DXF batch converter")
set(CPACK_PACKAGE_DESCRIPTION
  "Vextora converts SVG drawings into DXF 2000 files that open in CAD and laser-cutting
programs: polylines, lines, circles, ellipses, solid hatches, text, images, layers,
line types and colours. It converts in batches, from the command line
(vextora-convert) or from a small desktop dialog (vextora).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Vextora developers <vextora@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Clipper's library is linked as needed, so dpkg-shlibdeps finds it only while
# a program calls it; named here as well, it cannot drop out of Depends unseen.
set(CPACK_DEBIAN_PACKAGE_DEPENDS libpolyclipping22)
# Help and "open the output folder" hand over to the desktop through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)

include(CPack)
