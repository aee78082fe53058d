# Installs one CMake package, Atelier, with a component per library:
#   find_package(Atelier CONFIG REQUIRED COMPONENTS Glyphwerk Verbosa)
#   target_link_libraries(app PRIVATE Atelier::Verbosa)
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
