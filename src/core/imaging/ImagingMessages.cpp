#include "imaging/ImagingMessages.h"

#include <dlfcn.h>

#include <cstdarg>

#include <vips/vips.h>

namespace {

thread_local ImagingMessages* t_current = nullptr;
// libvips freezes its errors around attempts whose failure is expected
// (which loader takes a file); those are not the task's errors either.
thread_local int t_frozen = 0;

template <typename Function>
Function Real(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        if (end > start)
            lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// The callbacks of a libvips thread pool, run on its threads on behalf of
// the collector of the thread that started the pool.
struct PoolCall {
    VipsThreadStartFn start;
    VipsThreadpoolAllocateFn allocate;
    VipsThreadpoolWorkFn work;
    VipsThreadpoolProgressFn progress;
    void* a;
    ImagingMessages* collector;
};

VipsThreadState* PoolStart(VipsImage* image, void* call) {
    auto* c = static_cast<PoolCall*>(call);
    const ImagingMessages::OnBehalf behalf(c->collector);
    return c->start(image, c->a);
}

int PoolAllocate(VipsThreadState* state, void* call, gboolean* stop) {
    auto* c = static_cast<PoolCall*>(call);
    const ImagingMessages::OnBehalf behalf(c->collector);
    return c->allocate(state, c->a, stop);
}

int PoolWork(VipsThreadState* state, void* call) {
    auto* c = static_cast<PoolCall*>(call);
    const ImagingMessages::OnBehalf behalf(c->collector);
    return c->work(state, c->a);
}

int PoolProgress(void* call) {
    auto* c = static_cast<PoolCall*>(call);
    const ImagingMessages::OnBehalf behalf(c->collector);
    return c->progress(c->a);
}

// A saver's writes, which libvips runs on a thread of its own.
struct DiscCall {
    VipsRegionWrite write;
    void* a;
    ImagingMessages* collector;
};

int DiscWrite(VipsRegion* region, VipsRect* area, void* call) {
    auto* c = static_cast<DiscCall*>(call);
    const ImagingMessages::OnBehalf behalf(c->collector);
    return c->write(region, area, c->a);
}

// A loader search tries each loader on the file in turn; what the ones
// that do not take it say is no failure of the photo, unless none takes it.
template <typename Search>
const char* SearchLoader(const Search& search) {
    ImagingMessages* outer = t_current;
    if (!outer)
        return search();
    const char* loader = nullptr;
    std::vector<std::string> errors, warnings;
    {
        const ImagingMessages attempts;
        loader = search();
        if (!loader) {
            errors = attempts.Errors();
            warnings = attempts.Warnings();
        }
    }
    for (std::string& error : errors) outer->AddError(std::move(error));
    for (std::string& warning : warnings) outer->AddWarning(std::move(warning));
    return loader;
}

}  // namespace

// libvips raises every error through vips_verror, starts every thread that
// computes pixels through vips_threadpool_run and vips_sink_disc, and looks
// for a file's loader through the vips_foreign_find_load functions, each
// called through the dynamic linker (libvips is not linked -Bsymbolic), so
// the program's definitions take the calls. Each does what libvips' own
// does as well.
extern "C" {

void vips_verror(const char* domain, const char* format, va_list ap) {
    static const auto real = Real<void (*)(const char*, const char*, va_list)>("vips_verror");
    if (ImagingMessages* collector = t_current; collector && t_frozen == 0) {
        va_list copy;
        va_copy(copy, ap);
        gchar* text = g_strdup_vprintf(format, copy);
        va_end(copy);
        collector->AddError((domain ? std::string(domain) + ": " : std::string()) +
                            (text ? text : ""));
        g_free(text);
    }
    if (real)
        real(domain, format, ap);
}

void vips_error_freeze(void) {
    static const auto real = Real<void (*)()>("vips_error_freeze");
    ++t_frozen;
    if (real)
        real();
}

void vips_error_thaw(void) {
    static const auto real = Real<void (*)()>("vips_error_thaw");
    --t_frozen;
    if (real)
        real();
}

int vips_threadpool_run(VipsImage* image, VipsThreadStartFn start,
                        VipsThreadpoolAllocateFn allocate, VipsThreadpoolWorkFn work,
                        VipsThreadpoolProgressFn progress, void* a) {
    static const auto real =
        Real<int (*)(VipsImage*, VipsThreadStartFn, VipsThreadpoolAllocateFn, VipsThreadpoolWorkFn,
                     VipsThreadpoolProgressFn, void*)>("vips_threadpool_run");
    ImagingMessages* collector = t_current;
    if (!collector)
        return real(image, start, allocate, work, progress, a);
    // Every worker has ended when the pool returns, so the call outlives them.
    PoolCall call{start, allocate, work, progress, a, collector};
    return real(image, start ? PoolStart : nullptr, allocate ? PoolAllocate : nullptr,
                work ? PoolWork : nullptr, progress ? PoolProgress : nullptr, &call);
}

int vips_sink_disc(VipsImage* image, VipsRegionWrite write, void* a) {
    static const auto real = Real<int (*)(VipsImage*, VipsRegionWrite, void*)>("vips_sink_disc");
    ImagingMessages* collector = t_current;
    if (!collector || !write)
        return real(image, write, a);
    // The writing thread has ended when the sink returns.
    DiscCall call{write, a, collector};
    return real(image, DiscWrite, &call);
}

const char* vips_foreign_find_load(const char* filename) {
    static const auto real = Real<const char* (*)(const char*)>("vips_foreign_find_load");
    return SearchLoader([&] { return real(filename); });
}

const char* vips_foreign_find_load_source(VipsSource* source) {
    static const auto real = Real<const char* (*)(VipsSource*)>("vips_foreign_find_load_source");
    return SearchLoader([&] { return real(source); });
}

}  // extern "C"

ImagingMessages::ImagingMessages() : outer_(t_current) {
    t_current = this;
}

ImagingMessages::~ImagingMessages() {
    t_current = outer_;
}

ImagingMessages* ImagingMessages::Current() {
    return t_current;
}

void ImagingMessages::AddError(std::string line) {
    std::lock_guard lock(mutex_);
    errors_.push_back(std::move(line));
}

void ImagingMessages::AddWarning(std::string line) {
    std::lock_guard lock(mutex_);
    warnings_.push_back(std::move(line));
}

std::string ImagingMessages::ErrorText() const {
    std::lock_guard lock(mutex_);
    std::string text;
    for (const std::string& error : errors_)
        for (const std::string& line : Lines(error))
            if (text.find(line) == std::string::npos)
                text += (text.empty() ? "" : "; ") + line;
    return text.empty() ? std::string("unknown imaging error") : text;
}

std::vector<std::string> ImagingMessages::Errors() const {
    std::lock_guard lock(mutex_);
    return errors_;
}

std::vector<std::string> ImagingMessages::Warnings() const {
    std::lock_guard lock(mutex_);
    return warnings_;
}

ImagingMessages::OnBehalf::OnBehalf(ImagingMessages* collector) : outer_(t_current) {
    t_current = collector;
}

ImagingMessages::OnBehalf::~OnBehalf() {
    t_current = outer_;
}
