# zk_add_module(<name> LIBRARY <Core|Gui|Widgets> [HEADERS_IN <folder>] [DEPENDS <modules>...])
#
# One source folder is one object library, zk_<name>, made of every .cpp in the
# folder. LIBRARY names the installed shared library whose objects it becomes
# (package/ links them): Core for code that needs only the standard library,
# Gui for code on Qt Gui, Widgets for code on Qt Widgets. A Core module may
# depend only on Core modules, so that Core links without Qt. Headers are
# included by their folder ("path/PathData.h") from the source root.
# HEADERS_IN installs the headers under another folder name.
function(zk_add_module name)
  cmake_parse_arguments(ARG "" "LIBRARY;HEADERS_IN" "DEPENDS" ${ARGN})
  if(NOT ARG_LIBRARY MATCHES "^(Core|Gui|Widgets)$")
    message(FATAL_ERROR "zk_add_module(${name}): LIBRARY must be Core, Gui or Widgets")
  endif()
  if(NOT ARG_LIBRARY STREQUAL "Core" AND NOT ZK_WITH_QT)
    message(FATAL_ERROR "zk_add_module(${name}): the ${ARG_LIBRARY} library needs ZK_WITH_QT")
  endif()
  if(NOT ARG_HEADERS_IN)
    set(ARG_HEADERS_IN ${name})
  endif()
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  add_library(zk_${name} OBJECT ${sources})
  target_include_directories(zk_${name} PUBLIC
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/ZKVclCommon>)
  foreach(dep IN LISTS ARG_DEPENDS)
    get_property(dep_library GLOBAL PROPERTY ZK_LIBRARY_OF_${dep})
    if(ARG_LIBRARY STREQUAL "Core" AND NOT dep_library STREQUAL "Core")
      message(FATAL_ERROR "zk_add_module(${name}): Core cannot depend on ${dep} (${dep_library})")
    endif()
    target_link_libraries(zk_${name} PUBLIC zk_${dep})
  endforeach()
  set_property(GLOBAL APPEND PROPERTY ZK_MODULES_${ARG_LIBRARY} zk_${name})
  set_property(GLOBAL PROPERTY ZK_LIBRARY_OF_${name} ${ARG_LIBRARY})
  # The folder's public headers install with the development files; *_p.h
  # headers are private.
  file(GLOB headers CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
  list(FILTER headers EXCLUDE REGEX "_p\\.h$")
  install(FILES ${headers} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/ZKVclCommon/${ARG_HEADERS_IN}
          COMPONENT Devel)
  # The installed headers are the API reference's input (docs/reference).
  set_property(GLOBAL APPEND PROPERTY ZK_PUBLIC_HEADERS ${headers})
endfunction()
