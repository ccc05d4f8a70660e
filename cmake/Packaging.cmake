# What "cmake --install" puts where, and the Debian package CPack makes of the
# same rules (scripts/package.sh): the programs, the desktop integration, the
# man pages and the shell completion.
include(GNUInstallDirs)

set(VISTAGON_MAINTAINER "Vistagon maintainers <maintainers@users.noreply.c-seed-011c2bca.example>"
    CACHE STRING "Maintainer named in the Debian package")
set(VISTAGON_HOMEPAGE "https://vistagon.example.org" CACHE STRING "Home page; the AppStream screenshots lie below it")
set(VISTAGON_RELEASE_DATE "2026-12-09")
set(VISTAGON_RELEASE_TIME "Wed, 09 Dec 2026 12:00:00 +0000")
string(REGEX REPLACE "^.*<(.*)>$" "\\1" VISTAGON_MAINTAINER_EMAIL "${VISTAGON_MAINTAINER}")

set(PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(PACKAGING_OUT ${PROJECT_BINARY_DIR}/packaging)
set(DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/vistagon)
set(MAN1_DIR ${CMAKE_INSTALL_MANDIR}/man1)

# Man pages and the changelog go in gzip -9n, as Debian wants them.
function(vistagon_gzip_file source output)
  add_custom_command(OUTPUT ${output}
    COMMAND gzip -9n -c ${source} > ${output}
    DEPENDS ${source}
    COMMENT "Compressing ${output}")
endfunction()

set(MAN_PAGES vistagon-cli.1 vistagon-cli-gdal.1)
if(VISTAGON_GUI)
  list(APPEND MAN_PAGES vistagon.1)
endif()
set(COMPRESSED)
foreach(page IN LISTS MAN_PAGES)
  configure_file(${PACKAGING_DIR}/${page} ${PACKAGING_OUT}/${page} @ONLY)
  vistagon_gzip_file(${PACKAGING_OUT}/${page} ${PACKAGING_OUT}/${page}.gz)
  list(APPEND COMPRESSED ${PACKAGING_OUT}/${page}.gz)
  install(FILES ${PACKAGING_OUT}/${page}.gz DESTINATION ${MAN1_DIR})
endforeach()
configure_file(${PACKAGING_DIR}/changelog.in ${PACKAGING_OUT}/changelog @ONLY)
vistagon_gzip_file(${PACKAGING_OUT}/changelog ${PACKAGING_OUT}/changelog.gz)
list(APPEND COMPRESSED ${PACKAGING_OUT}/changelog.gz)
add_custom_target(vistagon_packaging_files ALL DEPENDS ${COMPRESSED})
configure_file(${PACKAGING_DIR}/copyright ${PACKAGING_OUT}/copyright @ONLY)
install(FILES ${PACKAGING_OUT}/changelog.gz ${PACKAGING_OUT}/copyright DESTINATION ${DOC_DIR})

install(TARGETS vistagon-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(VISTAGON_GDAL)
  install(TARGETS vistagon-cli-gdal RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES ${PACKAGING_DIR}/vistagon-cli.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME vistagon-cli)

if(VISTAGON_GUI)
  set(DESKTOP_DIR ${PROJECT_SOURCE_DIR}/src/gui/desktop)
  configure_file(${DESKTOP_DIR}/vistagon.metainfo.xml.in ${PACKAGING_OUT}/org.example.vistagon.metainfo.xml @ONLY)
  install(TARGETS vistagon RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${DESKTOP_DIR}/vistagon.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${DESKTOP_DIR}/vistagon-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME vistagon.xml)
  install(FILES ${DESKTOP_DIR}/vistagon.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${PACKAGING_OUT}/org.example.vistagon.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vistagon)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${VISTAGON_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "terrain fly-through renderer")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${VISTAGON_HOMEPAGE}")
# Depends: the libraries the programs link (Qt, GDAL, libstdc++), as dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# render --video pipes the frames into ffmpeg.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS ffmpeg)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# CPack puts the summary first and indents these lines; an empty line separates paragraphs.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Vistagon renders shaded, hazed perspective frames of an elevation raster,
with an optional texture and mask, along a straight or a curved flight, and
writes them as TGA or YUV files (or a video through ffmpeg). It imports public
elevation data (binary rasters, USGS DEM, SDTS, ASCII grids and scattered
points, Japanese DEM files, any raster GDAL reads) and offers image tools.

The package holds the Qt desktop application vistagon and the command-line
tool vistagon-cli.")
include(CPack)
