#include "texts/PlainReasons.h"

#include <algorithm>
#include <cctype>

#include <QtGlobal>

namespace {

struct ReasonRow {
    const char* plain;
    // Parts of the libraries' texts, lower case; any one matches.
    std::initializer_list<const char*> parts;
};

// The first row that matches wins: a full disk or a refused permission says
// more than the decoder's complaint that follows from it.
const ReasonRow kRows[] = {
    {QT_TRANSLATE_NOOP("Reasons", "the disk is full"),
     {"no space left", "disk quota exceeded", "file too large"}},
    {QT_TRANSLATE_NOOP("Reasons", "permission denied"),
     {"permission denied", "read-only file system", "operation not permitted"}},
    {QT_TRANSLATE_NOOP("Reasons", "the file is missing"), {"no such file or directory"}},
    {QT_TRANSLATE_NOOP("Reasons", "not enough memory"),
     {"out of memory", "cannot allocate memory", "std::bad_alloc"}},
    {QT_TRANSLATE_NOOP("Reasons", "not a picture"),
     {"is not a known file format", "not a known file format", "not a jpeg file", "not a png file",
      "not a tiff", "unknown file format", "no loader", "is not a picture"}},
    {QT_TRANSLATE_NOOP("Reasons", "the format is not supported"),
     {"unsupported feature", "unsupported file", "no decoding plugin", "unsupported codec",
      "unsupported color", "unsupported jpeg process", "compression scheme", "not supported",
      "unsupported image"}},
    {QT_TRANSLATE_NOOP("Reasons", "the file is damaged or incomplete"),
     {"premature end", "corrupt", "truncated", "bad seek", "out of order read", "unexpected end",
      "crc error", "incorrect header", "damaged", "read error", "libpng error", "bogus",
      "end of file", "decoding error", "bad huffman", "not enough data", "short read",
      "jpeg datastream contains no image"}},
};

std::string Lower(const std::string& text) {
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

}  // namespace

std::string PlainReason(const std::string& technical) {
    const std::string lower = Lower(technical);
    for (const ReasonRow& row : kRows)
        for (const char* part : row.parts)
            if (lower.find(part) != std::string::npos)
                return row.plain;
    return {};
}
