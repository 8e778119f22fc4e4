#include "model/PhotoExtensions.h"

#include "platform/Paths.h"

namespace {

// The original table first, without ".emf", ".ico" and ".wmf" (no loader
// here reads them: the general-purpose one that would stays shut to
// untrusted files); phone and web formats follow, then camera RAW kinds
// (read by content: the extension only finds them).
constexpr const char* kPhotoExtensionTable[kPhotoExtensionCount] = {
    ".bmp", ".jpg",  ".jpeg", ".gif", ".tif", ".tiff", ".png", ".exif",
    ".dib", ".heic", ".heif", ".avif", ".webp", ".jxl", ".jpe",  ".jfif",
    ".dng", ".cr2",  ".cr3",  ".crw",  ".nef",  ".nrw",  ".arw", ".srf",  ".sr2",  ".raf",
    ".orf", ".rw2",  ".rwl",  ".pef",  ".srw",  ".x3f",  ".3fr", ".iiq",  ".erf",  ".mrw",
    ".mos", ".kdc",  ".dcr",
};

}  // namespace

const char* const* PhotoExtensions() {
    return kPhotoExtensionTable;
}

bool IsPhotoExtension(const std::string& path) {
    const std::string name = paths::NameOfPath(path);
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos)
        return false;
    // The table is lower case already.
    const std::string extension = paths::AsciiLower(name.substr(dot));
    for (const char* entry : kPhotoExtensionTable)
        if (extension == entry)
            return true;
    return false;
}
