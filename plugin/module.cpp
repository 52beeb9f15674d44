// The module itself is the whole plug-in library; its only exported symbol is PluginMain.
