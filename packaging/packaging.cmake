# Desktop integration and the Debian package (cpack -G DEB in the build tree).
if(VORLEN_BUILD_UI)
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/vorlen.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/vorlen.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

set(CPACK_PACKAGE_NAME vorlen)
set(CPACK_PACKAGE_VENDOR "Vorlen")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_INSTALL_DIRECTORY vorlen)
set(CPACK_PACKAGE_CONTACT "Vorlen maintainers")
set(CPACK_GENERATOR "DEB;TGZ")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window asks for Courier New; Liberation Mono stands in for it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation)
set(CPACK_STRIP_FILES ON)
# The Enchant provider goes to Enchant's own module directory, an absolute
# path: the package is staged with DESTDIR so that it lands in the package.
set(CPACK_SET_DESTDIR ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
