/* Preloaded into the viewer so that no shared library is unloaded before the process ends.
 * The GL driver is loaded with dlopen and closed again by the GL libraries' exit handlers; a
 * leak report written after that can no longer name the driver's frames ("<unknown module>"),
 * and valgrind loses their symbols in the same way. Keeping every library mapped lets the
 * leak checkers print full stacks and lets the suppression files match the driver by name. */
int dlclose(void* handle) {
    (void)handle;
    return 0;
}
