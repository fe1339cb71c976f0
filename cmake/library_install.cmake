# Installing the library for other programs: headers, libvorlen.so.0, its
# pkg-config file and its CMake package. The runtime library and the
# development files are separate components (the libvorlen0 and libvorlen-dev
# packages).
include(CMakePackageConfigHelpers)

install(TARGETS vorlen_shared EXPORT VorlenTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT library
                NAMELINK_COMPONENT development
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/vorlen DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
        COMPONENT development)

set(cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/Vorlen)
install(EXPORT VorlenTargets NAMESPACE Vorlen:: DESTINATION ${cmake_dir} COMPONENT development)
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/VorlenConfig.cmake.in
                              ${PROJECT_BINARY_DIR}/VorlenConfig.cmake
                              INSTALL_DESTINATION ${cmake_dir})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/VorlenConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/VorlenConfig.cmake ${PROJECT_BINARY_DIR}/VorlenConfigVersion.cmake
        DESTINATION ${cmake_dir} COMPONENT development)

# Relocatable: the prefix is found from where the .pc file lies, so a package
# installed under any prefix (cmake --install --prefix) describes itself.
file(RELATIVE_PATH PC_UP_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
configure_file(${CMAKE_CURRENT_LIST_DIR}/vorlen.pc.in ${PROJECT_BINARY_DIR}/vorlen.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/vorlen.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig
        COMPONENT development)
