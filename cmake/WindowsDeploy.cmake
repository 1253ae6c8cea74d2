# What a Windows user unpacks and runs: the program, kajcli, the control libraries
# and their registry, the compiler's runtime, Qt's DLLs and the plugins the program
# loads (the Windows platform and style), all in one folder. `cmake --install` with
# the component "program" lays it out; scripts/deploy-windows makes it and the zip.
install(TARGETS Kaj kajcli GlyphView TerrainView kaj_control_registry
        RUNTIME DESTINATION . COMPONENT program
        LIBRARY DESTINATION . COMPONENT program)
install(FILES ${KAJ_WINDOWS_RUNTIME_DLLS}
              ${KAJ_WINDOWS_QT}/bin/Qt6Core.dll
              ${KAJ_WINDOWS_QT}/bin/Qt6Gui.dll
              ${KAJ_WINDOWS_QT}/bin/Qt6Widgets.dll
        DESTINATION . COMPONENT program)
install(FILES ${KAJ_WINDOWS_QT}/plugins/platforms/qwindows.dll DESTINATION platforms COMPONENT program)
install(FILES ${KAJ_WINDOWS_QT}/plugins/styles/qwindowsvistastyle.dll DESTINATION styles
        COMPONENT program)
# The copied DLLs carry debugging symbols; the folder and the installer carry code
# alone.
install(CODE "
    file(GLOB_RECURSE copied \"\${CMAKE_INSTALL_PREFIX}/*.dll\")
    foreach(dll IN LISTS copied)
        execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded \"\${dll}\")
    endforeach()" COMPONENT program)
