#include "convert/VipsSession.h"

#include <mutex>

#include <vips/vips8>

namespace {

std::once_flag g_startOnce;
bool g_started = false;

}  // namespace

bool StartImaging() {
    std::call_once(g_startOnce, [] {
        // Warnings about odd files become our own messages, not stderr noise.
        g_setenv("VIPS_WARNING", "0", FALSE);
        g_started = VIPS_INIT("quillmere") == 0;
        if (!g_started)
            return;
        // Each photo is read once; the operation cache would only keep stale
        // headers of files that change on disk and hold memory.
        vips_cache_set_max(0);
        vips_cache_set_max_mem(0);
        vips_cache_set_max_files(0);
    });
    return g_started;
}

void SetImagingThreads(int threads) {
    if (!StartImaging())
        return;
    vips_concurrency_set(threads < 1 ? 1 : threads);
}

int ImagingThreads() {
    if (!StartImaging())
        return 1;
    return vips_concurrency_get();
}

std::string VipsPathWithOptions(const std::string& path, const std::string& options) {
    // libvips splits at the last '[' of a name ending in ']', so a trailing
    // option block of our own keeps every byte of the real name.
    return path + "[" + options + "]";
}
