# Installs the library as a CMake package (Kitra::Kitra) and for pkg-config: the library, the
# rendered skins and the package files. The headers are installed beside the target's sources.

include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(KITRA_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/Kitra)
set(KITRA_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/Kitra)

install(TARGETS Kitra EXPORT KitraTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${KITRA_SKIN_OUTPUT_DIR} DESTINATION ${KITRA_INSTALL_DATADIR})
install(EXPORT KitraTargets NAMESPACE Kitra:: DESTINATION ${KITRA_INSTALL_CMAKEDIR})

configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/KitraConfig.cmake.in
    ${CMAKE_BINARY_DIR}/KitraConfig.cmake
    INSTALL_DESTINATION ${KITRA_INSTALL_CMAKEDIR}
    PATH_VARS KITRA_INSTALL_DATADIR)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/KitraConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/KitraConfig.cmake ${CMAKE_BINARY_DIR}/KitraConfigVersion.cmake
        DESTINATION ${KITRA_INSTALL_CMAKEDIR})

set(KITRA_PC_CFLAGS "-I\${includedir}")
foreach(subsystem IN LISTS KITRA_INSTALLED_SUBSYSTEMS)
    string(APPEND KITRA_PC_CFLAGS " -I\${includedir}/${subsystem}")
endforeach()
file(RELATIVE_PATH KITRA_PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
configure_file(${CMAKE_CURRENT_LIST_DIR}/kitra.pc.in ${CMAKE_BINARY_DIR}/kitra.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/kitra.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
