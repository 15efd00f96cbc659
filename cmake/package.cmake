# What a desktop program ships besides itself: the AppStream metainfo, the
# manual page, the copyright file and the changelog (installed with the
# program), and the Debian package of the whole installation (CPack DEB,
# `make package`: build/mensurio_<version>_amd64.deb).
if(NOT MENSURIO_WITH_UI)
  return()
endif()
include(GNUInstallDirs)
# Directories the installation makes are rwxr-xr-x whatever the umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(MENSURIO_APP_ID invalid.mensurio.Mensurio)
set(MENSURIO_HOMEPAGE https://mensurio.invalid/)
set(MENSURIO_MAINTAINER "Mensurio developers <dev@mensurio.invalid>")
execute_process(COMMAND date -u -R -d "${MENSURIO_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE MENSURIO_RELEASE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)

set(MENSURIO_FURNITURE_DIR ${CMAKE_BINARY_DIR}/furniture)
set(MENSURIO_METAINFO ${MENSURIO_FURNITURE_DIR}/${MENSURIO_APP_ID}.metainfo.xml)
configure_file(${CMAKE_SOURCE_DIR}/resources/mensurio.metainfo.xml.in ${MENSURIO_METAINFO} @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/resources/mensurio.1 ${MENSURIO_FURNITURE_DIR}/mensurio.1 @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/resources/changelog.in ${MENSURIO_FURNITURE_DIR}/changelog @ONLY)

# Debian wants the manual page and the changelog compressed, reproducibly.
foreach(name mensurio.1 changelog)
  add_custom_command(
    OUTPUT ${MENSURIO_FURNITURE_DIR}/${name}.gz
    COMMAND gzip -9n -f -k ${MENSURIO_FURNITURE_DIR}/${name}
    DEPENDS ${MENSURIO_FURNITURE_DIR}/${name}
    VERBATIM)
  list(APPEND MENSURIO_FURNITURE_OUTPUTS ${MENSURIO_FURNITURE_DIR}/${name}.gz)
endforeach()
add_custom_target(mensurio_furniture ALL DEPENDS ${MENSURIO_FURNITURE_OUTPUTS})

install(FILES ${MENSURIO_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${MENSURIO_FURNITURE_DIR}/mensurio.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_SOURCE_DIR}/resources/copyright ${MENSURIO_FURNITURE_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/mensurio)

# The package: the stripped program and everything installed under /usr.
# dpkg-shlibdeps computes the library dependencies; the rest are what the
# program loads at run time without linking it: the fonts it draws with and
# Qt's German translation.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mensurio)
set(CPACK_PACKAGE_VENDOR "Mensurio developers")
set(CPACK_PACKAGE_CONTACT "${MENSURIO_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "unit converter with a German user interface")
set(CPACK_PACKAGE_DESCRIPTION
    "Mensurio converts units of measurement in 47 areas, among them length,\n\
temperature, currencies and world time. Every line of an area's list shows\n\
the entered amount in its own unit, beside the flag of the unit's country or\n\
unit system. Units can be hidden, added and changed; the data lives in a\n\
directory of the user's own and can be reset to the shipped data.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${MENSURIO_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n")
# World time with summer time reads the system's time-zone database; without
# it every place keeps its stored standard offset.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "tzdata")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
