# Installs one CMake package, Atelier, with a component per library:
#   find_package(Atelier CONFIG REQUIRED COMPONENTS Glyphwerk Verbosa)
#   target_link_libraries(app PRIVATE Atelier::Verbosa)
# and a pkg-config file per library, named after it in lower case
# (`pkg-config --cflags --libs verbosa`).
include(CMakePackageConfigHelpers)

set(config_dir ${CMAKE_INSTALL_LIBDIR}/cmake/Atelier)
get_property(SUITE_COMPONENTS GLOBAL PROPERTY SUITE_INSTALLED_COMPONENTS)

install(EXPORT AtelierTargets NAMESPACE Atelier:: DESTINATION ${config_dir})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/AtelierConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/AtelierConfig.cmake
  INSTALL_DESTINATION ${config_dir})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/AtelierConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES
  ${CMAKE_CURRENT_BINARY_DIR}/AtelierConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/AtelierConfigVersion.cmake
  DESTINATION ${config_dir})

# pkg-config files. A library's Requires are the suite's libraries in its
# public interface; those it links privately are Requires.private.
foreach(component IN LISTS SUITE_COMPONENTS)
  string(TOLOWER ${component} pc_name)
  get_target_property(pc_description ${component} SUITE_DESCRIPTION)
  get_target_property(all_links ${component} LINK_LIBRARIES)
  get_target_property(public_links ${component} INTERFACE_LINK_LIBRARIES)
  set(pc_requires)
  set(pc_requires_private)
  foreach(link IN LISTS all_links)
    if(link IN_LIST SUITE_COMPONENTS)
      string(TOLOWER ${link} required)
      if(link IN_LIST public_links)
        list(APPEND pc_requires ${required})
      else()
        list(APPEND pc_requires_private ${required})
      endif()
    endif()
  endforeach()
  list(JOIN pc_requires ", " pc_requires)
  list(JOIN pc_requires_private ", " pc_requires_private)
  set(pc_library ${component})
  configure_file(${PROJECT_SOURCE_DIR}/cmake/atelier-library.pc.in
    ${CMAKE_CURRENT_BINARY_DIR}/pkgconfig/${pc_name}.pc @ONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/pkgconfig/${pc_name}.pc
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endforeach()
