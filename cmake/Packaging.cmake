# The packages CPack makes of the component "program": a Debian package on Linux, a
# Windows installer (NSIS) in the Windows build. scripts/package runs both.
set(CPACK_PACKAGE_NAME kajmar-console)
set(CPACK_PACKAGE_VENDOR "The Kajmar Console team")
set(CPACK_PACKAGE_CONTACT "The Kajmar Console team <staff@kajmar-console.example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_HOMEPAGE_URL "https://kajmar-console.example.org/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "staff console for Ultima Online shards run by POL")
set(CPACK_PACKAGE_DESCRIPTION
    "Kajmar Console sits beside the Ultima Online client of a shard's game\n\
masters, counselors and administrators and types the POL server's staff\n\
commands into it. It also browses item and NPC catalogues with art previews,\n\
keeps travel locations on a world map, launches the client for a shard, and\n\
edits the server's account and package files.")
# Everything installed is the component "program"; one package holds it.
set(CPACK_MONOLITHIC_INSTALL ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)

if(WIN32)
    set(CPACK_GENERATOR NSIS)
    # The installer script is our own (packaging/windows/NSIS.template.in): a 64-bit
    # installer that installs for all users or for the user alone.
    list(PREPEND CMAKE_MODULE_PATH ${CMAKE_SOURCE_DIR}/packaging/windows)
    set(CPACK_PACKAGE_FILE_NAME "KajmarConsole-${PROJECT_VERSION}-setup")
    set(CPACK_PACKAGE_INSTALL_DIRECTORY "Kajmar Console")
    set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Kajmar Console")
    set(CPACK_NSIS_PACKAGE_NAME "Kajmar Console")
    set(CPACK_NSIS_URL_INFO_ABOUT "https://kajmar-console.example.org/")
else()
    set(CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION utils)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    # Wine runs the classic client; xdg-utils opens the About box's links.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "wine, xdg-utils")
    set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
    set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
        OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
endif()
include(CPack)
