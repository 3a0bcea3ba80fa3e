# zk_add_module(<name> [HEADERS_IN <folder>] [DEPENDS <modules>...])
#
# One source folder is one object library, zk_<name>, made of every .cpp in the
# folder. The shared library in package/ links them all; headers are included
# by their folder ("graphics/PathData.h") from the source root. A module in a
# subfolder names that folder with HEADERS_IN ("canvas/qt").
function(zk_add_module name)
  cmake_parse_arguments(ARG "" "HEADERS_IN" "DEPENDS" ${ARGN})
  if(NOT ARG_HEADERS_IN)
    set(ARG_HEADERS_IN ${name})
  endif()
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  add_library(zk_${name} OBJECT ${sources})
  target_include_directories(zk_${name} PUBLIC
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/ZKVclCommon>)
  foreach(dep IN LISTS ARG_DEPENDS)
    target_link_libraries(zk_${name} PUBLIC zk_${dep})
  endforeach()
  set_property(GLOBAL APPEND PROPERTY ZK_MODULES zk_${name})
  install(DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/
          DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/ZKVclCommon/${ARG_HEADERS_IN}
          FILES_MATCHING PATTERN "*.h" PATTERN "*_p.h" EXCLUDE)
endfunction()
