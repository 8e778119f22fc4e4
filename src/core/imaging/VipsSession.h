#pragma once
// The process-wide libvips start-up and its thread pool. Only the imaging
// layer includes libvips; everything else sees these plain functions.

#include <functional>
#include <mutex>
#include <string>

// Starts libvips once per process (safe from any thread, any number of
// times). False when libvips cannot start; then no picture can be opened.
bool StartImaging();

// Sizes libvips' own worker pool for every picture opened afterwards: a
// batch that converts several photos at once gives each fewer threads so
// that the two do not oversubscribe the machine. Values below 1 mean 1.
void SetImagingThreads(int threads);

// The current size of libvips' worker pool.
int ImagingThreads();

// Runs work on a thread of libvips' own and waits for it: at once when the
// caller is one already, else on a new one. An exception work throws comes
// back here, and libvips' messages go to the caller's collector
// (ImagingMessages).
// libvips keeps a pipeline's buffers from one request to the next only on
// its own threads; elsewhere it makes them anew each time.
void RunOnImagingThread(const std::function<void()>& work);

// Held while a pipeline that resamples is built and while it is let go.
// libvips compiles vector code for its resamplers with liborc, and liborc
// 0.4.33 frees such code without the lock it compiles under: a pipeline let
// go on one thread while another is built corrupted the heap now and then.
std::unique_lock<std::mutex> LockPipelines();

// The path as libvips' loaders and savers must be given it: a name that
// ends in "[...]" would otherwise be read as load or save options.
std::string VipsPathWithOptions(const std::string& path, const std::string& options = {});
