#include "convert/OutputGeometry.h"

#include <cctype>
#include <cmath>
#include <limits>

#include "lang/LanguagePack.h"

namespace {

// Double to 32-bit integer, truncating toward zero; out-of-range values
// saturate instead of being undefined.
int32_t Truncate(double value) {
    if (std::isnan(value))
        return 0;
    if (value >= 2147483647.0)
        return std::numeric_limits<int32_t>::max();
    if (value <= -2147483648.0)
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

}  // namespace

bool ComputeOutputSize(int32_t sourceWidth, int32_t sourceHeight, OutputPhotoFormat& f,
                       Prompter& prompter) {
    if (sourceWidth == 0 || sourceHeight == 0)
        return false;
    const double w = sourceWidth;
    const double h = sourceHeight;
    switch (f.nOuputSizeType) {
    case kSizeOriginal:
        f.nOutputWidth = sourceWidth;
        f.nOutputHeight = sourceHeight;
        break;
    case kSizeFixed:
        switch (f.nKeepAspectRatio) {
        case kKeepNone:
            break;
        case kKeepWidth:
            f.nOutputHeight = Truncate(h / w * f.nOutputWidth);
            break;
        case kKeepHeight:
            f.nOutputWidth = Truncate(w / h * f.nOutputHeight);
            break;
        default:
            prompter.Tell("unknown error nKeepAspectRatio", "error");
            break;
        }
        break;
    case kSizeStretch:
        f.nOutputWidth = Truncate(w * f.dStretchHorizontal);
        f.nOutputHeight = Truncate(h * f.dStretchVertical);
        break;
    default:
        prompter.Tell("unknown error m_outputPhotoFormat.nOuputSizeType", "error");
        break;
    }
    return true;
}

bool CheckOutputSize(const OutputPhotoFormat& f, Prompter& prompter) {
    if (f.nOutputWidth <= 0) {
        prompter.Tell(GetText(IDS_OUTPUT_WIDTH_INVALID), GetText(IDS_ERROR));
        return false;
    }
    if (f.nOutputHeight <= 0) {
        prompter.Tell(GetText(IDS_OUTPUT_HEIGHT_INVALID), GetText(IDS_ERROR));
        return false;
    }
    return true;
}

int32_t AtoiLike(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > 2147483648LL)
            value = 2147483648LL;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int32_t>::max())
        value = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(value);
}

TextPositionCheck CheckTextPosition(const std::string& xText, const std::string& yText,
                                    int32_t defaultWidth, int32_t defaultHeight,
                                    Prompter& prompter) {
    TextPositionCheck r;
    r.x = AtoiLike(xText);
    r.y = AtoiLike(yText);
    if (r.x >= defaultWidth) {
        prompter.Tell(GetText(IDS_TEXT_X_TOO_BIG), GetText(IDS_WARNING));
        r.x = 0;
        r.xReset = true;
    }
    if (r.y >= defaultHeight) {
        prompter.Tell(GetText(IDS_TEXT_Y_TOO_BIG), GetText(IDS_WARNING));
        r.y = 0;
        r.yReset = true;
    }
    return r;
}

PhotoTextPosition CheckPhotoTextPosition(const std::string& xText, const std::string& yText,
                                         int32_t outputWidth, int32_t outputHeight,
                                         const std::string& sourcePath) {
    PhotoTextPosition r;
    r.x = AtoiLike(xText);
    r.y = AtoiLike(yText);
    if (r.x >= outputWidth || r.x < 0) {
        r.logMessages.push_back(sourcePath + " " + GetText(IDS_TEXT_X_OUT_OF_RANGE));
        r.x = 0;
        r.xReset = true;
    }
    if (r.y >= outputHeight || r.y < 0) {
        r.logMessages.push_back(sourcePath + " " + GetText(IDS_TEXT_Y_OUT_OF_RANGE));
        r.y = 0;
        r.yReset = true;
    }
    return r;
}
