// The output formats' rows live beside the encoders they name, so that the
// records below need not know the imaging layer.
#include "model/OptionTables.h"

#include <QtGlobal>

#include "imaging/BmpOutput.h"
#include "imaging/PictureEncode.h"

const std::vector<OutputFormatRow>& OutputFormats() {
    // The largest sides are what the libraries behind libvips write and read
    // back: libjpeg 65500, libwebp 16383, libheif 16384, a JPEG XL codestream
    // 2^30. The encoders' copies were measured on 12-megapixel photos: the
    // BMP engine's bitmaps, the whole picture that libwebp, libheif and
    // libjxl hold in their own forms (lossless WebP and JPEG XL the most);
    // the others stream. libjxl holds more a pixel on larger pictures: 88
    // bytes a pixel were measured for two 50-megapixel photos.
    static const std::vector<OutputFormatRow> rows = {
        {kFormatBmp, "BMP", "bmp", {"bmp"}, kUsesPixelFormat, 0, "bmp", "BMP", nullptr,
         QT_TRANSLATE_NOOP("OptionTables",
                           "Uncompressed; 24-bit colour, or 1, 4 or 8 bits per pixel with a "
                           "palette (see Pixel format). Carries no camera data."),
         &WriteBmpFile, 4},
        {kFormatJpg, "JPG", "jpg", {"jpg", "jpeg"}, kUsesQuality | kUsesMetadata, 65500, "jpeg",
         "JPEG", QT_TRANSLATE_NOOP("OptionTables", "EXIF, XMP and a JPEG's IPTC"),
         QT_TRANSLATE_NOOP("OptionTables", "Photos; smallest files. Quality @QUALITY_RANGE@ "
                                           "(built-in @QUALITY_BUILT_IN@)."),
         &WriteJpegFile, 0},
        {kFormatPng, "PNG", "png", {"png"}, kUsesMetadata, 0, "png", "PNG",
         QT_TRANSLATE_NOOP("OptionTables", "EXIF and XMP"),
         QT_TRANSLATE_NOOP("OptionTables", "Lossless; transparent areas become white."),
         &WritePngFile, 0},
        {kFormatTif, "TIF", "tif", {"tif", "tiff"}, kUsesMetadata, 0, "tiff", "TIFF",
         QT_TRANSLATE_NOOP("OptionTables", "EXIF, XMP and a TIFF's IPTC"),
         QT_TRANSLATE_NOOP("OptionTables", "Lossless (LZW compression), for print and archiving."),
         &WriteTiffFile, 0},
        {kFormatWebp, "WebP", "webp", {"webp"}, kUsesQuality | kUsesLossless | kUsesMetadata, 16383,
         "webp", "WebP", QT_TRANSLATE_NOOP("OptionTables", "EXIF and XMP"),
         QT_TRANSLATE_NOOP("OptionTables", "For the web: smaller than JPG at the same quality. "
                                           "Quality @QUALITY_RANGE@, or Lossless."),
         &WriteWebpFile, 32},
        {kFormatAvif, "AVIF", "avif", {"avif"}, kUsesQuality | kUsesMetadata, 16384, "avif", "AVIF",
         QT_TRANSLATE_NOOP("OptionTables", "EXIF and XMP"),
         QT_TRANSLATE_NOOP("OptionTables", "AV1 in a HEIF file: the smallest photo files, slower "
                                           "to write. Quality @QUALITY_RANGE@."),
         &WriteAvifFile, 24},
        {kFormatJxl, "JPEG XL", "jxl", {"jxl"}, kUsesQuality | kUsesLossless | kUsesMetadata,
         1073741824, "jxl", "JPEG XL", QT_TRANSLATE_NOOP("OptionTables", "EXIF and XMP"),
         QT_TRANSLATE_NOOP("OptionTables", "JPEG's successor: small files of high fidelity. "
                                           "Quality @QUALITY_RANGE@, or Lossless."),
         &WriteJxlFile, 52, 88},
        {kFormatSame, QT_TRANSLATE_NOOP("OptionTables", "Same as the source"), "", {"same"},
         kUsesQuality | kUsesLossless | kUsesMetadata | kFollowsSource, 0, nullptr, nullptr, nullptr,
         QT_TRANSLATE_NOOP("OptionTables",
                           "@KEPT_SOURCE_FORMATS@ photos keep their format (with that format's "
                           "settings and extension); any other photo (GIF, HEIC, ...) becomes "
                           "@SOURCE_FALLBACK_FORMAT@."),
         nullptr, 0},
    };
    return rows;
}
