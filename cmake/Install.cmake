# What `cmake --install` lays out under its prefix: a folder of its own (e.g. /opt/guides),
# shaped as the build tree is, so that the installed host finds the plug-in where it looks
# by default, at ../plugin/Guides.so from its own folder:
#   bin/guides-host             the simulated host
#   lib/libkit.so               the toolkit, one copy shared by the host and the plug-in
#   plugin/Guides.so            the plug-in, its Resources folder beside it
include(GNUInstallDirs)

install(TARGETS guides-host RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS kit LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(TARGETS Guides LIBRARY DESTINATION plugin)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/plugin/Resources DESTINATION plugin)

# Both find the toolkit from where they are installed, wherever the prefix is.
set_target_properties(guides-host PROPERTIES INSTALL_RPATH "$ORIGIN/../${CMAKE_INSTALL_LIBDIR}")
set_target_properties(Guides PROPERTIES INSTALL_RPATH "$ORIGIN/../${CMAKE_INSTALL_LIBDIR}")
