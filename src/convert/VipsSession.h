#pragma once
// The process-wide libvips start-up and its thread pool. Only the imaging
// layer includes libvips; everything else sees these plain functions.

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

// The path as libvips' loaders and savers must be given it: a name that
// ends in "[...]" would otherwise be read as load or save options.
std::string VipsPathWithOptions(const std::string& path, const std::string& options = {});
