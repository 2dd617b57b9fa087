# Installing Merrowin and building its Debian package.
#
# The programs find their data (help pages, the pictures of published pages)
# from their own location: ../share/merrowin when installed, beside the
# executable in a portable folder, and in a build tree through the link
# "resources" made below. No path of the source tree is compiled in.

include(GNUInstallDirs)

set(MERROWIN_APP_ID io.github.merrowin.Merrowin)
set(MERROWIN_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)

# Both programs answer --version with the project's version.
foreach(_program merrowin merrowin-cli)
  if(TARGET ${_program})
    target_compile_definitions(${_program} PRIVATE MERROWIN_VERSION="${PROJECT_VERSION}")
  endif()
endforeach()

# A build tree reads the data from the source tree (an in-source build finds
# it there anyway).
if(NOT CMAKE_BINARY_DIR STREQUAL CMAKE_SOURCE_DIR)
  file(CREATE_LINK ${CMAKE_SOURCE_DIR}/resources ${CMAKE_BINARY_DIR}/resources SYMBOLIC)
endif()

install(TARGETS merrowin-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY resources/help resources/web DESTINATION ${CMAKE_INSTALL_DATADIR}/merrowin
        PATTERN "*.sh" EXCLUDE PATTERN "*.svg" EXCLUDE PATTERN "*.py" EXCLUDE)

# Manual pages and the package's change log are installed compressed, as
# Debian wants them and man reads them.
set(_compressed)
foreach(_file merrowin.1 merrowin-cli.1 changelog)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/${_file}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${MERROWIN_PACKAGING_DIR}/${_file} ${CMAKE_BINARY_DIR}/packaging/${_file}
    COMMAND gzip -9nf ${CMAKE_BINARY_DIR}/packaging/${_file}
    DEPENDS ${MERROWIN_PACKAGING_DIR}/${_file} VERBATIM)
  list(APPEND _compressed ${CMAKE_BINARY_DIR}/packaging/${_file}.gz)
endforeach()
add_custom_target(merrowin_compressed_docs ALL DEPENDS ${_compressed})
install(FILES ${CMAKE_BINARY_DIR}/packaging/merrowin-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${MERROWIN_PACKAGING_DIR}/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/merrowin)

if(MERROWIN_BUILD_UI)
  install(TARGETS merrowin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${CMAKE_BINARY_DIR}/packaging/merrowin.1.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${MERROWIN_PACKAGING_DIR}/${MERROWIN_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${MERROWIN_PACKAGING_DIR}/${MERROWIN_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${MERROWIN_PACKAGING_DIR}/${MERROWIN_APP_ID}.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

  # The application icon: the artwork itself, and pictures rendered from it
  # for the sizes desktops look up first.
  set(_icon_svg ${CMAKE_SOURCE_DIR}/resources/icons/merrowin.svg)
  set(_icons_dir ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
  install(FILES ${_icon_svg} DESTINATION ${_icons_dir}/scalable/apps
          RENAME ${MERROWIN_APP_ID}.svg)
  find_program(RSVG_CONVERT rsvg-convert)
  if(RSVG_CONVERT)
    set(_pngs)
    foreach(_size 16 22 24 32 48 64 128 256)
      set(_png ${CMAKE_BINARY_DIR}/icons/${_size}x${_size}/${MERROWIN_APP_ID}.png)
      add_custom_command(OUTPUT ${_png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${_size}x${_size}
        COMMAND ${RSVG_CONVERT} -w ${_size} -h ${_size} -o ${_png} ${_icon_svg}
        DEPENDS ${_icon_svg} VERBATIM)
      list(APPEND _pngs ${_png})
      install(FILES ${_png} DESTINATION ${_icons_dir}/${_size}x${_size}/apps)
    endforeach()
    add_custom_target(merrowin_icons ALL DEPENDS ${_pngs})
  else()
    message(WARNING "rsvg-convert (librsvg2-bin) not found: only the scalable icon is installed")
  endif()
endif()

# The Debian package: cpack -G DEB in the build tree (./dev package).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME merrowin)
set(CPACK_PACKAGE_VERSION_MAJOR ${PROJECT_VERSION_MAJOR})
set(CPACK_PACKAGE_VERSION_MINOR ${PROJECT_VERSION_MINOR})
if(PROJECT_VERSION_PATCH)
  set(CPACK_PACKAGE_VERSION_PATCH ${PROJECT_VERSION_PATCH})
else()
  set(CPACK_PACKAGE_VERSION_PATCH 0)
endif()
set(CPACK_PACKAGE_VERSION
    ${CPACK_PACKAGE_VERSION_MAJOR}.${CPACK_PACKAGE_VERSION_MINOR}.${CPACK_PACKAGE_VERSION_PATCH})
set(CPACK_PACKAGE_CONTACT "The Merrowin developers <merrowin@users.noreply.github.com>"
    CACHE STRING "Maintainer of the Debian package")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "personal contact manager")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/merrowin/merrowin)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The icons are drawn by Qt's SVG plugins, which no linked library names.
set(CPACK_DEBIAN_PACKAGE_DEPENDS libqt6svg6)
# Mail, the browser and the desktop's file handlers are reached through xdg-utils.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_FILE ${MERROWIN_PACKAGING_DIR}/description.txt)
include(CPack)
