#pragma once
// The EXIF data of a TIFF output, which libvips' TIFF saver leaves out. For
// the imaging layer's own files only.

#include <string>

#include "platform/Status.h"

// Adds the EXIF block's tags, fitted to the TIFF's size as FitExif fits
// them, to the TIFF that fills the file open (readable and writable) as
// descriptor: the descriptive tags of the block's IFD 0 (description, make,
// model, orientation, software, date, artist, copyright) to the TIFF's
// first directory, and the EXIF and (unless dropLocation) GPS directories
// as directories of their own that it points to. Tags libtiff does not
// know, or holds in another form than the block's, are left out. The pixels
// and every other tag stay as they are; the descriptor stays open. The
// maker note keeps its bytes, its offsets from the TIFF header moved to
// where it now sits (metadata/MakerNoteMove.h). A block
// without tags adds nothing. Fails with "EXIF: " and libtiff's reason when
// the file cannot be read or written (the caller names the file).
Status AddTiffExif(int descriptor, const std::string& block, bool dropLocation);
