# Lays out an installation prefix: the libraries, kavlor.h, a pkg-config file,
# a CMake package (find_package(Kavlor)) and the installation directory
# share/kavlor with its fonts, map and zel folders.

install(TARGETS kavlor kavlor_static EXPORT KavlorTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
    INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(FILES ${PROJECT_SOURCE_DIR}/include/kavlor.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})

install(EXPORT KavlorTargets NAMESPACE Kavlor:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Kavlor)
include(CMakePackageConfigHelpers)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/KavlorConfig.cmake.in
    ${PROJECT_BINARY_DIR}/KavlorConfig.cmake
    INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Kavlor)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/KavlorConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/KavlorConfig.cmake ${PROJECT_BINARY_DIR}/KavlorConfigVersion.cmake
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Kavlor)

# pkg-config computes its paths from ${pcfiledir}, so the prefix can be moved.
# A program linked with its flags finds the shared library through a run path
# to the prefix's lib folder; one linked statically (--static) gets the C++
# runtime and the other libraries the archive's objects call.
configure_file(${PROJECT_SOURCE_DIR}/cmake/kavlor.pc.in ${PROJECT_BINARY_DIR}/kavlor.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/kavlor.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

install(DIRECTORY DESTINATION ${CMAKE_INSTALL_DATADIR}/kavlor/fonts)
install(DIRECTORY DESTINATION ${CMAKE_INSTALL_DATADIR}/kavlor/map)
install(DIRECTORY DESTINATION ${CMAKE_INSTALL_DATADIR}/kavlor/zel)
