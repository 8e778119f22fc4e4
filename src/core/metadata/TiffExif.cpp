#include "metadata/TiffExif.h"

#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include <libexif/exif-utils.h>
#include <tiffio.h>

#include "metadata/ExifRewrite.h"
#include "metadata/MakerNoteMove.h"

namespace {

// libtiff's complaints about one file, so that they travel with its result
// rather than through libvips' process-wide handler.
int CollectError(TIFF*, void* user, const char*, const char* format, va_list args) {
    char line[512];
    std::vsnprintf(line, sizeof line, format, args);
    std::string& errors = *static_cast<std::string*>(user);
    errors += (errors.empty() ? "" : "; ") + std::string(line);
    return 1;
}

int IgnoreWarning(TIFF*, void*, const char*, const char*, va_list) {
    return 1;
}

struct TiffClose {
    void operator()(TIFF* tiff) const { TIFFClose(tiff); }
};

// The entry's values as numbers, rationals divided out; empty for text and
// for types libexif has no reader for.
std::vector<double> Numbers(const ExifEntry& entry, ExifByteOrder order) {
    const unsigned size = exif_format_get_size(entry.format);
    if (size == 0 || !entry.data || entry.size < size * entry.components)
        return {};
    std::vector<double> values;
    for (unsigned long i = 0; i < entry.components; ++i) {
        const unsigned char* p = entry.data + i * size;
        switch (entry.format) {
            case EXIF_FORMAT_BYTE:
            case EXIF_FORMAT_UNDEFINED: values.push_back(*p); break;
            case EXIF_FORMAT_SBYTE: values.push_back(static_cast<int8_t>(*p)); break;
            case EXIF_FORMAT_SHORT: values.push_back(exif_get_short(p, order)); break;
            case EXIF_FORMAT_SSHORT: values.push_back(exif_get_sshort(p, order)); break;
            case EXIF_FORMAT_LONG: values.push_back(exif_get_long(p, order)); break;
            case EXIF_FORMAT_SLONG: values.push_back(exif_get_slong(p, order)); break;
            case EXIF_FORMAT_RATIONAL: {
                const ExifRational r = exif_get_rational(p, order);
                if (r.denominator == 0)
                    return {};
                values.push_back(static_cast<double>(r.numerator) / r.denominator);
                break;
            }
            case EXIF_FORMAT_SRATIONAL: {
                const ExifSRational r = exif_get_srational(p, order);
                if (r.denominator == 0)
                    return {};
                values.push_back(static_cast<double>(r.numerator) / r.denominator);
                break;
            }
            default: return {};
        }
    }
    return values;
}

template <typename T>
void Put(std::vector<unsigned char>& out, T value) {
    unsigned char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    out.insert(out.end(), bytes, bytes + sizeof value);
}

// The values as the array libtiff takes for a field of the type, whose
// rationals it keeps in floats or doubles (storageSize 4 or 8).
bool Pack(const std::vector<double>& values, TIFFDataType type, int storageSize,
          std::vector<unsigned char>& out) {
    for (const double value : values) {
        const auto whole = static_cast<int64_t>(value);
        switch (type) {
            case TIFF_BYTE:
            case TIFF_UNDEFINED: Put(out, static_cast<uint8_t>(whole)); break;
            case TIFF_SBYTE: Put(out, static_cast<int8_t>(whole)); break;
            case TIFF_SHORT: Put(out, static_cast<uint16_t>(whole)); break;
            case TIFF_SSHORT: Put(out, static_cast<int16_t>(whole)); break;
            case TIFF_LONG: Put(out, static_cast<uint32_t>(whole)); break;
            case TIFF_SLONG: Put(out, static_cast<int32_t>(whole)); break;
            case TIFF_RATIONAL:
            case TIFF_SRATIONAL:
            case TIFF_FLOAT:
                if (storageSize == 8)
                    Put(out, value);
                else
                    Put(out, static_cast<float>(value));
                break;
            case TIFF_DOUBLE: Put(out, value); break;
            default: return false;
        }
    }
    return !out.empty();
}

bool IsFloating(TIFFDataType type) {
    return type == TIFF_RATIONAL || type == TIFF_SRATIONAL || type == TIFF_FLOAT ||
           type == TIFF_DOUBLE;
}

// Gives the current directory the entry's value in the form libtiff keeps
// the tag in. False when there is no such form: libtiff does not know the
// tag, or the entry has another count than the tag's fixed one.
bool SetFromEntry(TIFF* tiff, const ExifEntry& entry, ExifByteOrder order) {
    const TIFFField* field = TIFFFindField(tiff, entry.tag, TIFF_ANY);
    if (!field || TIFFFieldIsAnonymous(field) || entry.components == 0)
        return false;
    const TIFFDataType type = TIFFFieldDataType(field);
    if (type == TIFF_ASCII) {
        if (entry.format != EXIF_FORMAT_ASCII || !entry.data)
            return false;
        const std::string text(reinterpret_cast<const char*>(entry.data),
                               strnlen(reinterpret_cast<const char*>(entry.data), entry.size));
        // An empty text would be stored shorter than readers accept.
        return !text.empty() && TIFFSetField(tiff, entry.tag, text.c_str()) == 1;
    }
    const std::vector<double> values = Numbers(entry, order);
    std::vector<unsigned char> packed;
    if (!Pack(values, type, TIFFFieldSetGetSize(field), packed))
        return false;
    const auto count = static_cast<uint32_t>(values.size());
    if (TIFFFieldPassCount(field)) {
        if (TIFFFieldSetGetCountSize(field) == 2)
            return count <= 0xFFFF &&
                   TIFFSetField(tiff, entry.tag, static_cast<int>(count), packed.data()) == 1;
        return TIFFSetField(tiff, entry.tag, count, packed.data()) == 1;
    }
    const int fixed = TIFFFieldWriteCount(field);
    if (fixed == 1 && count == 1) {
        // One value travels by value: floating ones as doubles, whole ones
        // as 32-bit integers.
        if (IsFloating(type))
            return TIFFSetField(tiff, entry.tag, values[0]) == 1;
        if (type == TIFF_SBYTE || type == TIFF_SSHORT || type == TIFF_SLONG)
            return TIFFSetField(tiff, entry.tag, static_cast<int32_t>(values[0])) == 1;
        return TIFFSetField(tiff, entry.tag, static_cast<uint32_t>(values[0])) == 1;
    }
    return fixed > 1 && static_cast<uint32_t>(fixed) == count &&
           TIFFSetField(tiff, entry.tag, packed.data()) == 1;
}

// Sets the entry where libtiff can hold it; what it refuses is left out,
// and its complaint about that is no failure of the file.
void SetIfHeld(TIFF* tiff, const ExifEntry& entry, ExifByteOrder order, std::string& errors) {
    const std::size_t before = errors.size();
    if (!SetFromEntry(tiff, entry, order))
        errors.resize(before);
}

// The maker note as MakerNoteWithItsValues gives it; false where libtiff
// cannot hold it.
bool SetMakerNote(TIFF* tiff, const std::string& note) {
    const TIFFField* field = TIFFFindField(tiff, EXIFTAG_MAKERNOTE, TIFF_ANY);
    if (!field || note.empty())
        return false;
    if (TIFFFieldSetGetCountSize(field) == 2)
        return note.size() <= 0xFFFF &&
               TIFFSetField(tiff, EXIFTAG_MAKERNOTE, static_cast<int>(note.size()), note.data()) ==
                   1;
    return TIFFSetField(tiff, EXIFTAG_MAKERNOTE, static_cast<uint32_t>(note.size()), note.data()) ==
           1;
}

// Writes the content as a directory of its own (made by create) at the end
// of the file, with makerNote for the content's maker note unless it is
// empty; offset stays 0 for an empty content.
bool WriteDirectory(TIFF* tiff, const ExifContent& content, ExifByteOrder order,
                    int (*create)(TIFF*), const std::string& makerNote, uint64_t& offset,
                    std::string& errors) {
    offset = 0;
    if (content.count == 0)
        return true;
    TIFFFreeDirectory(tiff);  // the one open, which create would leak
    if (create(tiff) != 0)
        return false;
    for (unsigned i = 0; i < content.count; ++i) {
        const ExifEntry& entry = *content.entries[i];
        const std::size_t before = errors.size();
        if (entry.tag != EXIF_TAG_MAKER_NOTE || !SetMakerNote(tiff, makerNote))
            SetIfHeld(tiff, entry, order, errors);
        else
            errors.resize(before);
    }
    return TIFFWriteCustomDirectory(tiff, &offset) == 1;
}

Status Failed(const std::string& errors, const char* step) {
    return Status::Failed(
        {}, "EXIF: " + (errors.empty() ? std::string("libtiff could not ") + step : errors));
}

}  // namespace

Status AddTiffExif(int descriptor, const std::string& block, bool dropLocation) {
    std::string errors;
    // libtiff closes the descriptor it is given.
    const int own = dup(descriptor);
    // libtiff reads the header where the descriptor stands: after what
    // libvips wrote.
    if (own < 0 || lseek(own, 0, SEEK_SET) != 0) {
        Status failed = Status::Failed({}, std::string("EXIF: ") + std::strerror(errno));
        if (own >= 0)
            close(own);
        return failed;
    }
    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    TIFFOpenOptionsSetErrorHandlerExtR(options, &CollectError, &errors);
    TIFFOpenOptionsSetWarningHandlerExtR(options, &IgnoreWarning, nullptr);
    std::unique_ptr<TIFF, TiffClose> tiff(TIFFFdOpenExt(own, "output", "r+", options));
    TIFFOpenOptionsFree(options);
    if (!tiff) {
        close(own);
        return Failed(errors, "read the TIFF");
    }
    uint32_t width = 0, height = 0;
    TIFFGetField(tiff.get(), TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(tiff.get(), TIFFTAG_IMAGELENGTH, &height);
    const ExifDataPtr exif =
        FitExif(block, dropLocation, static_cast<int32_t>(width), static_cast<int32_t>(height));
    if (!exif)
        return Status::Ok();
    const ExifByteOrder order = exif_data_get_byte_order(exif.get());
    // libtiff 4.5 keeps the codec's state when a custom directory replaces
    // the first one and never frees it; going uncompressed releases it. The
    // first directory is read back, compression and all, before it is
    // rewritten.
    TIFFSetField(tiff.get(), TIFFTAG_COMPRESSION, COMPRESSION_NONE);
    uint64_t exifOffset = 0, gpsOffset = 0;
    if (!WriteDirectory(tiff.get(), *exif->ifd[EXIF_IFD_EXIF], order, &TIFFCreateEXIFDirectory,
                        MakerNoteWithItsValues(block), exifOffset, errors) ||
        !WriteDirectory(tiff.get(), *exif->ifd[EXIF_IFD_GPS], order, &TIFFCreateGPSDirectory, {},
                        gpsOffset, errors))
        return Failed(errors, "write the EXIF directory");
    if (!TIFFSetDirectory(tiff.get(), 0))
        return Failed(errors, "read the TIFF's directory back");
    static constexpr ExifTag kDescriptive[] = {
        EXIF_TAG_IMAGE_DESCRIPTION, EXIF_TAG_MAKE,      EXIF_TAG_MODEL,  EXIF_TAG_ORIENTATION,
        EXIF_TAG_SOFTWARE,          EXIF_TAG_DATE_TIME, EXIF_TAG_ARTIST, EXIF_TAG_COPYRIGHT,
    };
    for (const ExifTag tag : kDescriptive)
        if (const ExifEntry* entry = exif_content_get_entry(exif->ifd[EXIF_IFD_0], tag))
            SetIfHeld(tiff.get(), *entry, order, errors);
    if ((exifOffset != 0 && TIFFSetField(tiff.get(), TIFFTAG_EXIFIFD, exifOffset) != 1) ||
        (gpsOffset != 0 && TIFFSetField(tiff.get(), TIFFTAG_GPSIFD, gpsOffset) != 1) ||
        !TIFFRewriteDirectory(tiff.get()))
        return Failed(errors, "write the TIFF's directory");
    tiff.reset();  // every directory in the file before the maker note is found in it
    return MoveTiffMakerNote(descriptor, block);
}
