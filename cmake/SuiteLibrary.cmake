# Helpers that give every shared library of the suite the same shape:
# hidden visibility, a generated export header <Name>Export.h, public headers
# under include/, an Atelier::<Name> alias and an entry in the installed package.
include(GenerateExportHeader)

# AtelierVersion.h, the version of the whole suite, comes with every library.
set(SUITE_VERSION_HEADER_DIR ${CMAKE_BINARY_DIR}/version)
configure_file(${CMAKE_CURRENT_LIST_DIR}/AtelierVersion.h.in ${SUITE_VERSION_HEADER_DIR}/AtelierVersion.h @ONLY)
install(FILES ${SUITE_VERSION_HEADER_DIR}/AtelierVersion.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})

# suite_add_shared_library(<Name>
#   EXPORT_MACRO_BASE <BASE>        -> <BASE>_EXPORT in <Name>Export.h
#   DESCRIPTION <text>              one line, for its pkg-config file
#   SOURCES ...                     private sources
#   [PUBLIC_INCLUDE_DIRS ...]       extra public header folders (source tree)
#   [PUBLIC_LINK ...] [PRIVATE_LINK ...])
function(suite_add_shared_library name)
  cmake_parse_arguments(ARG "" "EXPORT_MACRO_BASE;DESCRIPTION"
    "SOURCES;PUBLIC_INCLUDE_DIRS;PUBLIC_LINK;PRIVATE_LINK" ${ARGN})
  add_library(${name} SHARED ${ARG_SOURCES})
  add_library(Atelier::${name} ALIAS ${name})
  # The public headers are C++20: a consumer gets that standard with the target,
  # whatever its compiler's default.
  target_compile_features(${name} PUBLIC cxx_std_20)
  if(NOT ARG_DESCRIPTION)
    message(FATAL_ERROR "suite_add_shared_library(${name}) needs a DESCRIPTION")
  endif()
  set_target_properties(${name} PROPERTIES
    SUITE_DESCRIPTION "${ARG_DESCRIPTION}"
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON
    VERSION ${PROJECT_VERSION}
    SOVERSION ${PROJECT_VERSION_MAJOR})
  # Calls between the files of one library (the client layer's small steps
  # on every parser callback) are inlined across them.
  if(SUITE_LINK_TIME_OPTIMIZATION_WORKS)
    set_target_properties(${name} PROPERTIES INTERPROCEDURAL_OPTIMIZATION ON)
  endif()
  if(WIN32)
    # Windows names a library after itself: Arborix.dll, not libArborix.dll.
    set_target_properties(${name} PROPERTIES PREFIX "" IMPORT_PREFIX "")
  endif()
  set(export_dir ${CMAKE_CURRENT_BINARY_DIR}/export)
  generate_export_header(${name}
    BASE_NAME ${ARG_EXPORT_MACRO_BASE}
    EXPORT_FILE_NAME ${export_dir}/${name}Export.h)
  target_include_directories(${name} PUBLIC
    $<BUILD_INTERFACE:${export_dir}>
    $<BUILD_INTERFACE:${SUITE_VERSION_HEADER_DIR}>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/include)
    target_include_directories(${name} PUBLIC
      $<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}/include>)
    install(DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/include/
      DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
  endif()
  foreach(dir IN LISTS ARG_PUBLIC_INCLUDE_DIRS)
    target_include_directories(${name} PUBLIC $<BUILD_INTERFACE:${dir}>)
  endforeach()
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    # A library records only the libraries whose symbols it uses, whatever the
    # compiler's default (gcc leaves that out when it links for a sanitizer),
    # so that what each library needs is the same in every build.
    target_link_options(${name} PRIVATE LINKER:--as-needed)
  endif()
  if(ARG_PUBLIC_LINK)
    target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_LINK})
  endif()
  if(ARG_PRIVATE_LINK)
    target_link_libraries(${name} PRIVATE ${ARG_PRIVATE_LINK})
  endif()
  install(FILES ${export_dir}/${name}Export.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
  install(TARGETS ${name} EXPORT AtelierTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  set_property(GLOBAL APPEND PROPERTY SUITE_INSTALLED_COMPONENTS ${name})
endfunction()

# suite_install_contract_header(<target> <header>): installs one header of
# contracts/ together with the stand-in that implements it.
function(suite_install_contract_header target header)
  install(FILES ${PROJECT_SOURCE_DIR}/contracts/${header}
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
endfunction()
