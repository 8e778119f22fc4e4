#pragma once
// A JPEG whose only fault is a missing end marker, read as if it had one.
// For the imaging layer's own files only.

#include <string>

#include <vips/vips8>

// True when the file at descriptor fd starts like a JPEG (FF D8 FF).
bool StartsLikeJpeg(int fd);

// True when the file at descriptor fd starts like a JPEG and does not end
// with its end marker (FF D9).
bool JpegLacksEndMarker(int fd);

// The file at descriptor fd (duplicated; the caller keeps its own) with the
// two bytes of the end marker after its last byte, for a loader to read
// with its strictest checks: a file whose data ends before its last row
// still fails, one that only lacks the marker decodes as the whole file.
vips::VSource SourceWithEndMarker(int fd);
