#pragma once
// Making a photo item from a file: its time, its name and its measured size.

#include <cstdint>
#include <string>

#include "imaging/ImageProbe.h"
#include "model/OutputPhotoFormat.h"
#include "model/PhotoItem.h"
#include "platform/Prompter.h"

// Reads the file's last-modification time. On success writes it as local
// time "YYYY/MM/DD HH:MM:SS" into timeText and as seconds since the epoch
// into timeModified, and returns true. On failure leaves both unchanged,
// reports why through the prompter (the path as caption) and returns false.
// Opens the file without blocking, so a FIFO or device cannot hang it.
bool GetFileTimeText(const std::string& path, std::string& timeText, int64_t& timeModified,
                     Prompter& prompter);

// The local-time text of a time value; empty when it cannot be represented.
std::string FormatFileTime(int64_t timeModified);

// The name shown for a path: everything after its last '/'. A URL-like path
// (a scheme of three or four letters followed by ':') is its own name.
std::string FileNameOfPath(const std::string& path);

// Fills a freshly constructed item from the file at path: source path, time
// (a failure is reported and the item goes on without a time), name, the
// upright picture size, its format and the date it was taken; then a copy of
// defaults with its output planned (PlanPhotoOutput). True when the file is a picture with both
// sides non-zero; false, without a message, otherwise (the caller then drops the item).
bool LoadPhotoInfo(const std::string& path, PhotoItem& item, const OutputPhotoFormat& defaults,
                   Prompter& prompter);

// LoadPhotoInfo with the picture already probed (ProbePicture; 0 x 0 when it
// failed): everything but the probing, so that pictures can be probed in
// parallel while items are still made, and messages shown, in order.
bool LoadPhotoInfoWithFacts(const std::string& path, const PictureFacts& facts, PhotoItem& item,
                            const OutputPhotoFormat& defaults, Prompter& prompter);

// A path as it may appear inside a UTF-8 message text: bytes that are not
// valid UTF-8 become U+FFFD.
std::string PathForMessage(const std::string& path);
