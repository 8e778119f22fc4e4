// The libraries' words for the common failures, and the plain ones shown.

#include <gtest/gtest.h>

#include "texts/PlainReasons.h"

namespace {

TEST(PlainReasons, CommonFailuresInPlainWords) {
    const struct {
        const char* technical;
        const char* plain;
    } rows[] = {
        {"bad seek to 2182715; VipsJpeg: Corrupt JPEG data: 3 extraneous bytes", "the file is damaged or incomplete"},
        {"VipsJpeg: Premature end of JPEG file", "the file is damaged or incomplete"},
        {"libpng error: IDAT: CRC error", "the file is damaged or incomplete"},
        {"TIFFFillStrip: Read error on strip 3; out of order read", "the file is damaged or incomplete"},
        {"VipsForeignLoad: \"/in/notes.jpg\" is not a known file format", "not a picture"},
        {"heif: Unsupported feature: Unsupported codec (4.3000)", "the format is not supported"},
        {"No space left on device", "the disk is full"},
        {"/out/x.jpg: Permission denied", "permission denied"},
        {"Read-only file system", "permission denied"},
        {"output size 0 x 15", ""},
    };
    for (const auto& row : rows) EXPECT_EQ(PlainReason(row.technical), row.plain) << row.technical;
}

}  // namespace
