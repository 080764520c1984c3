// A loadable library without a VST entry point.
#if defined(_WIN32)
extern "C" __declspec(dllexport) int veldaNotAPlugin() { return 42; }
#else
extern "C" __attribute__((visibility("default"))) int veldaNotAPlugin() { return 42; }
#endif
