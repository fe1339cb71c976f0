# Desktop integration, manual pages and the Debian packages (cpack -G DEB in
# the build tree): vorlen (the programs), libvorlen0 (the library and its
# vocabulary), libvorlen-dev (headers, pkg-config, CMake package) and
# python3-vorlen (the Python module).
if(VORLEN_BUILD_UI)
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/vorlen.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/vorlen.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

# Manual pages: written once in scdoc (docs/man/*.scd), made into roff and
# compressed at build time.
find_program(SCDOC scdoc REQUIRED)
file(GLOB man_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/man/*.scd)
set(man_pages)
foreach(source ${man_sources})
    get_filename_component(page ${source} NAME_WE) # vorlen-cli.1.scd -> vorlen-cli
    get_filename_component(section_file ${source} NAME)
    string(REGEX REPLACE "\\.scd$" "" roff_name ${section_file}) # vorlen-cli.1
    set(output ${PROJECT_BINARY_DIR}/man/${roff_name}.gz)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
        COMMAND sh -c "${SCDOC} < '${source}' | gzip -9n > '${output}'"
        DEPENDS ${source} VERBATIM)
    list(APPEND man_pages ${output})
endforeach()
add_custom_target(man_pages ALL DEPENDS ${man_pages})
install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# Each package carries the copyright file and the changelog.
set(changelog ${PROJECT_BINARY_DIR}/debian/changelog)
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/changelog.in ${changelog} @ONLY)
add_custom_command(OUTPUT ${changelog}.gz COMMAND gzip -9nkf ${changelog} DEPENDS ${changelog})
add_custom_target(debian_changelog ALL DEPENDS ${changelog}.gz)

set(VORLEN_PACKAGES runtime vorlen library libvorlen0 development libvorlen-dev)
if(VORLEN_BUILD_PYTHON)
    list(APPEND VORLEN_PACKAGES python python3-vorlen)
endif()
while(VORLEN_PACKAGES)
    list(POP_FRONT VORLEN_PACKAGES component package)
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright ${changelog}.gz
            DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${component})
    string(TOUPPER ${component} COMPONENT)
    set(CPACK_DEBIAN_${COMPONENT}_PACKAGE_NAME ${package})
endwhile()

set(CPACK_PACKAGE_NAME vorlen)
set(CPACK_PACKAGE_VENDOR "Vorlen developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_INSTALL_DIRECTORY vorlen)
set(CPACK_PACKAGE_CONTACT "Vorlen developers <vorlen@example.org>")
set(CPACK_GENERATOR "DEB;TGZ")
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)

# Each description: the synopsis on the first line, then paragraphs.
set(about "Vorlen adjusts the spelling of Spanish written by ear: every word is respelled
by sound-alike rules (h, b/v, ll/y, c/s/z, g/j, qu/k, x, accents) and each
respelling is checked against a large vocabulary of standard Spanish through
inflection and attached pronouns. The output shows the standard spelling,
alternatives joined by bars to choose from, or a mark on a word that nothing
explains.")
set(CPACK_DEBIAN_RUNTIME_DESCRIPTION "Spanish written by ear, respelled: window and command line
${about}

This package holds the window (vorlen) and the command line (vorlen-cli).")
set(CPACK_DEBIAN_RUNTIME_PACKAGE_DEPENDS "libvorlen0 (= ${PROJECT_VERSION})")
# The window asks for Courier New; Liberation Mono stands in for it.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_RECOMMENDS fonts-liberation)
set(CPACK_DEBIAN_LIBRARY_DESCRIPTION "library that adjusts the spelling of Spanish written by ear
${about}

This package holds the shared library and the vocabulary it reads.")
set(CPACK_DEBIAN_LIBRARY_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_LIBRARY_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/debian/triggers)
set(CPACK_DEBIAN_DEVELOPMENT_DESCRIPTION "development files of the Vorlen library
${about}

This package holds the C and C++ headers, the pkg-config file and the CMake
package (find_package(Vorlen)).")
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "libvorlen0 (= ${PROJECT_VERSION})")
set(CPACK_DEBIAN_PYTHON_DESCRIPTION "Python module that adjusts the spelling of Spanish written by ear
${about}

This package holds the Python 3 module: import vorlen.")
set(CPACK_DEBIAN_PYTHON_PACKAGE_SECTION python)
set(CPACK_DEBIAN_PYTHON_PACKAGE_DEPENDS "libvorlen0 (= ${PROJECT_VERSION}), python3 (>= 3.11~), python3 (<< 3.12)")
include(CPack)
