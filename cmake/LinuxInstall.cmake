# What `cmake --install` puts where on Linux (with the prefix /usr for the Debian
# package): the two programs on the PATH, the control libraries and their registry in
# a library folder of the package's own that Kaj finds from its own folder, the menu
# entry with its icon, AppStream metadata and the manual pages.
include(GNUInstallDirs)
set(KAJ_PRIVATE_LIBRARIES ${KAJ_PACKAGED_LIBRARIES})
set(KAJ_APPLICATION_ID org.kajmar.Console)
set(packaging ${CMAKE_SOURCE_DIR}/packaging)

set_target_properties(Kaj PROPERTIES INSTALL_RPATH "$ORIGIN/../${KAJ_PRIVATE_LIBRARIES}")
set_target_properties(GlyphView TerrainView PROPERTIES INSTALL_RPATH "$ORIGIN")
install(TARGETS Kaj kajcli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT program)
install(TARGETS GlyphView TerrainView kaj_control_registry
        LIBRARY DESTINATION ${KAJ_PRIVATE_LIBRARIES} COMPONENT program)

install(FILES ${packaging}/linux/${KAJ_APPLICATION_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT program)
install(FILES ${packaging}/icons/${KAJ_APPLICATION_ID}-48.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps
        RENAME ${KAJ_APPLICATION_ID}.png COMPONENT program)
install(FILES ${packaging}/icons/${KAJ_APPLICATION_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT program)
configure_file(${packaging}/linux/${KAJ_APPLICATION_ID}.metainfo.xml
               ${CMAKE_BINARY_DIR}/packaging/${KAJ_APPLICATION_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${KAJ_APPLICATION_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT program)

# Manual pages and the changelog go compressed, as Debian keeps them.
foreach(page kajcli.1 Kaj.1 changelog)
    configure_file(${packaging}/linux/${page} ${CMAKE_BINARY_DIR}/packaging/${page} @ONLY)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/${page}.gz
                       COMMAND gzip -9nf -k ${CMAKE_BINARY_DIR}/packaging/${page}
                       DEPENDS ${CMAKE_BINARY_DIR}/packaging/${page})
    list(APPEND compressed ${CMAKE_BINARY_DIR}/packaging/${page}.gz)
endforeach()
add_custom_target(packaging_pages ALL DEPENDS ${compressed})
install(FILES ${CMAKE_BINARY_DIR}/packaging/kajcli.1.gz ${CMAKE_BINARY_DIR}/packaging/Kaj.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT program)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz ${packaging}/linux/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kajmar-console COMPONENT program)
