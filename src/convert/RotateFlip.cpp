#include "convert/RotateFlip.h"

#include "convert/VipsPixels.h"
#include "convert/VipsSession.h"

RotateFlipChoice RotateFlipTypeOf(int32_t angle, int32_t flip) {
    RotateFlipChoice choice;
    int quarters = 0;
    switch (angle) {
        case 0: quarters = 0; break;
        case 90: quarters = 1; break;
        case 180: quarters = 2; break;
        case 270: quarters = 3; break;
        default: choice.angleKnown = false; break;
    }
    // A vertical flip is a horizontal one after a further half turn.
    if (flip == 1)
        choice.type = static_cast<RotateFlipType>(quarters | 4);
    else if (flip == 2)
        choice.type = static_cast<RotateFlipType>(((quarters + 2) & 3) | 4);
    else
        choice.type = static_cast<RotateFlipType>(quarters);
    return choice;
}

bool ApplyRotateFlip(RgbPicture& picture, RotateFlipType type) {
    if (type == RotateNoneFlipNone)
        return true;
    if (!StartImaging())
        return false;
    static constexpr VipsAngle kAngles[] = {VIPS_ANGLE_D0, VIPS_ANGLE_D90, VIPS_ANGLE_D180,
                                            VIPS_ANGLE_D270};
    try {
        vips::VImage image = ViewOf(picture);
        if ((type & 3) != 0)
            image = image.rot(kAngles[type & 3]);
        if ((type & 4) != 0)
            image = image.flip(VIPS_DIRECTION_HORIZONTAL);
        RgbPicture turned;
        CopyPixelsOut(image, turned);
        turned.xResolution = picture.xResolution;
        turned.yResolution = picture.yResolution;
        if ((type & 1) != 0)
            std::swap(turned.xResolution, turned.yResolution);
        picture = std::move(turned);
        return true;
    } catch (const vips::VError&) {
        vips_error_clear();
        return false;
    }
}
