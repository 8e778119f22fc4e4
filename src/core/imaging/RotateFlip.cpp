#include "imaging/RotateFlip.h"

#include "model/OutputPhotoFormat.h"

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

RotateFlipType RotateFlipOfRecord(const OutputPhotoFormat& format) {
    return RotateFlipTypeOf(format.nRotateAngel, format.nFlipType).type;
}
