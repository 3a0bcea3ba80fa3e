# Debian packages from the same build (`cpack -G DEB` in the build folder):
#   libzkvclcommoncore0, libzkvclcommongui0, libzkvclcommonwidgets0
#       one per shared library, named after its SONAME as Debian names
#       shared-library packages; the runtime file and its SONAME link only
#   libzkvclcommon-dev   headers, the link-time names, CMake package, pkg-config files
#   zkgfx                the command-line tool
# Dependencies on Debian's libraries (Qt 6, the C++ runtime) are computed
# by dpkg-shlibdeps from the binaries; those between our packages follow
# the install components and ask for the same version. Files are stripped
# (the build keeps its debug information), every package carries its
# copyright and changelog.
set(zk_deb_libraries Core)
if(ZK_WITH_QT)
  list(APPEND zk_deb_libraries Gui Widgets)
endif()
set(zk_deb_components ${zk_deb_libraries} Devel)
if(TARGET zkgfx)
  list(APPEND zk_deb_components Tool)
endif()
set(zk_deb_name_Core libzkvclcommoncore${PROJECT_VERSION_MAJOR})
set(zk_deb_name_Gui libzkvclcommongui${PROJECT_VERSION_MAJOR})
set(zk_deb_name_Widgets libzkvclcommonwidgets${PROJECT_VERSION_MAJOR})
set(zk_deb_name_Devel libzkvclcommon-dev)
set(zk_deb_name_Tool zkgfx)
set(zk_deb_section_Devel libdevel)
set(zk_deb_section_Tool graphics)
set(zk_deb_summary_Core "ZKVclCommon Core library: vector paths, geometry, canvas interface")
set(zk_deb_summary_Gui "ZKVclCommon Gui library: the canvas on Qt 6 Gui")
set(zk_deb_summary_Widgets "ZKVclCommon Widgets library: components on Qt 6 Widgets")
set(zk_deb_summary_Devel "ZKVclCommon development files: headers, CMake and pkg-config")
set(zk_deb_summary_Tool "command-line tool for vector path data and drawing")
string(CONCAT zk_deb_text_Core
  "The library's centre: a single-precision vector path built by calls or\n"
  "parsed from SVG path data, flattened, measured, hit-tested, transformed,\n"
  "streamed and drawn on a canvas, with point, rectangle and matrix algebra\n"
  "and the stateless drawing routines. It needs the C++ standard library\n"
  "only.")
string(CONCAT zk_deb_text_Gui
  "The canvas drawn with QPainter on any QPaintDevice (images, widgets,\n"
  "PDF, SVG), bitmap canvases and conversions to and from Qt's types.")
string(CONCAT zk_deb_text_Widgets
  "A hint window anchored at a corner, a font that records how it differs\n"
  "from a reference font, a dialog for typing path data with a live\n"
  "preview, and helpers for tree views, menus, help windows and table\n"
  "sorting.")
string(CONCAT zk_deb_text_Devel
  "Headers, the CMake package (find_package(ZKVclCommon)) and the pkg-\n"
  "config files (ZKVclCommonCore, ZKVclCommonGui, ZKVclCommonWidgets,\n"
  "ZKVclCommon) of the ZKVclCommon libraries.")
string(CONCAT zk_deb_text_Tool
  "zkgfx normalizes, measures and splits path data, draws paths to PNG, PDF\n"
  "or SVG, and opens the path designer dialog.")
set(zk_deb_maintainer "ZKVclCommon maintainers <maintainers@zkvclcommon.org>")

set(CPACK_PACKAGE_NAME zkvclcommon)
# Each package's own first line is its summary: CPack prepends a package-wide
# summary unless it is CPack's default one.
set(CPACK_DEFAULT_PACKAGE_DESCRIPTION_SUMMARY "${CMAKE_PROJECT_NAME} built using CMake")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${CPACK_DEFAULT_PACKAGE_DESCRIPTION_SUMMARY}")
set(CPACK_PACKAGE_VENDOR "ZKVclCommon developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${zk_deb_maintainer}")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL ${zk_deb_components})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Our own libraries are found in the build; they belong to no installed
# package, so dpkg-shlibdeps leaves them to the component dependencies.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR}/package)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
# A library package tells dpkg to run ldconfig once, after all packages of
# a transaction are unpacked.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
file(WRITE ${PROJECT_BINARY_DIR}/package/debian/triggers "activate-noawait ldconfig\n")
foreach(c IN LISTS zk_deb_libraries)
  string(TOUPPER ${c} C)
  set(CPACK_DEBIAN_${C}_PACKAGE_CONTROL_EXTRA ${PROJECT_BINARY_DIR}/package/debian/triggers)
endforeach()
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_COMPONENT_GUI_DEPENDS Core)
set(CPACK_COMPONENT_WIDGETS_DEPENDS Gui)
set(CPACK_COMPONENT_DEVEL_DEPENDS ${zk_deb_libraries})
set(CPACK_COMPONENT_TOOL_DEPENDS ${zk_deb_libraries})
# The CMake package asks for Qt's CMake files, the headers for Qt's headers.
if(ZK_WITH_QT)
  set(CPACK_DEBIAN_DEVEL_PACKAGE_DEPENDS "qt6-base-dev")
endif()

string(TIMESTAMP zk_deb_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
foreach(c IN LISTS zk_deb_components)
  string(TOUPPER ${c} C)
  set(name ${zk_deb_name_${c}})
  set(CPACK_DEBIAN_${C}_PACKAGE_NAME ${name})
  if(zk_deb_section_${c})
    set(CPACK_DEBIAN_${C}_PACKAGE_SECTION ${zk_deb_section_${c}})
  endif()
  set(CPACK_DEBIAN_${C}_DESCRIPTION "${zk_deb_summary_${c}}\n${zk_deb_text_${c}}")
  # Debian wants a copyright file and a changelog in every package.
  set(doc ${PROJECT_BINARY_DIR}/package/debian/${name})
  file(MAKE_DIRECTORY ${doc})
  file(WRITE ${doc}/changelog
       "zkvclcommon (${PROJECT_VERSION}) unstable; urgency=medium\n\n"
       "  * Version ${PROJECT_VERSION} of the ZKVclCommon libraries.\n\n"
       " -- ${zk_deb_maintainer}  ${zk_deb_date}\n")
  execute_process(COMMAND gzip -9nf ${doc}/changelog)
  install(FILES ${doc}/changelog.gz ${PROJECT_SOURCE_DIR}/package/debian/copyright
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${name} COMPONENT ${c} EXCLUDE_FROM_ALL)
endforeach()
include(CPack)
