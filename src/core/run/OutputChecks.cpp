#include "run/OutputChecks.h"

#include "texts/LanguagePack.h"

int CheckOutputSize(int32_t width, int32_t height) {
    if (width <= 0)
        return IDS_OUTPUT_WIDTH_INVALID;
    if (height <= 0)
        return IDS_OUTPUT_HEIGHT_INVALID;
    return 0;
}

TextPositionCheck CheckTextPosition(int32_t x, int32_t y, int32_t defaultWidth,
                                    int32_t defaultHeight, Prompter& prompter) {
    TextPositionCheck r{x, y, false, false};
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

PhotoTextPosition CheckPhotoTextPosition(int32_t x, int32_t y, int32_t outputWidth,
                                         int32_t outputHeight, const std::string& sourcePath) {
    PhotoTextPosition r;
    r.x = x;
    r.y = y;
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
