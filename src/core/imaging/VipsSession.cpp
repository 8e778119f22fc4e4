#include "imaging/VipsSession.h"

#include <exception>
#include <mutex>

#include <vips/vips8>

#include "imaging/ImagingMessages.h"

namespace {

std::once_flag g_startOnce;
bool g_started = false;

// libvips' untrusted operations the program uses all the same.
constexpr const char* kTrustedUntrusted[] = {"VipsForeignLoadJxl", "VipsForeignSaveJxl",
                                             "VipsForeignLoadSvg"};

void CollectOrDrop(const gchar*, GLogLevelFlags, const gchar* message, gpointer) {
    if (ImagingMessages* collector = ImagingMessages::Current(); collector && message)
        collector->AddWarning(message);
}

}  // namespace

bool StartImaging() {
    std::call_once(g_startOnce, [] {
        g_started = VIPS_INIT("quillmere") == 0;
        if (!g_started)
            return;
        // Each photo is read once; the operation cache would only keep stale
        // headers of files that change on disk and hold memory.
        vips_cache_set_max(0);
        vips_cache_set_max_mem(0);
        vips_cache_set_max_files(0);
        // Photos come from anywhere: the loaders libvips does not vouch for
        // with hostile files stay shut (ImageMagick's among them: BMP is
        // read by the program's own reader), and the few the program needs
        // are let in again by name: JPEG XL (which libvips 8.14 counts as
        // untrusted, load and save) and SVG for the watermark logo.
        vips_block_untrusted_set(TRUE);
        for (const char* trusted : kTrustedUntrusted)
            vips_operation_block_set(trusted, FALSE);
        // A damaged file is reported as a failed photo; libvips' warnings
        // about damage it recovered from would only clutter stderr.
        g_log_set_handler("VIPS", G_LOG_LEVEL_WARNING, CollectOrDrop, nullptr);
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

void RunOnImagingThread(const std::function<void()>& work) {
    if (StartImaging() && vips_thread_isvips()) {
        work();
        return;
    }
    struct Call {
        const std::function<void()>* work;
        ImagingMessages* collector;
        std::exception_ptr error;
    } call{&work, ImagingMessages::Current(), nullptr};
    auto run = [](gpointer data) -> gpointer {
        auto* call = static_cast<Call*>(data);
        const ImagingMessages::OnBehalf behalf(call->collector);
        try {
            (*call->work)();
        } catch (...) {
            call->error = std::current_exception();
        }
        return nullptr;
    };
    GThread* thread = StartImaging() ? vips_g_thread_new("quillmere", run, &call) : nullptr;
    if (!thread) {
        work();  // slower, not wrong
        return;
    }
    g_thread_join(thread);
    if (call.error)
        std::rethrow_exception(call.error);
}

std::unique_lock<std::mutex> LockPipelines() {
    static std::mutex pipelines;
    return std::unique_lock(pipelines);
}

std::string VipsPathWithOptions(const std::string& path, const std::string& options) {
    // libvips splits at the last '[' of a name ending in ']', so a trailing
    // option block of our own keeps every byte of the real name.
    return path + "[" + options + "]";
}
