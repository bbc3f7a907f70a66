// The sanitizers' defaults, built into every program of a LUMADISC_SANITIZE build, so that a suite
// runs the same from ctest, by hand or in a debugger.
extern "C" {
// The leaks of libraries that are not ours are listed, with the reasons, in lsan.supp.
const char* __lsan_default_options() {
    return "suppressions=" LUMADISC_LSAN_SUPPRESSIONS;
}
// Libraries stay loaded: the leak report at exit names the library of a leak only while it is
// loaded, and libvlc unloads its plugins (and the libraries they pulled in) when it ends.
int dlclose(void*) {
    return 0;
}
}
