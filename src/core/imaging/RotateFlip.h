#pragma once
// Turning and mirroring the finished picture, which the encoders do as
// they read it (ViewOf, BMP's own fill).

#include <cstdint>

// A clockwise quarter-turn count in the low two bits, then a mirror across
// the vertical axis when 4 is set; so 6 (180 then mirror) is also a vertical
// flip.
enum RotateFlipType : int {
    RotateNoneFlipNone = 0,
    Rotate90FlipNone = 1,
    Rotate180FlipNone = 2,
    Rotate270FlipNone = 3,
    RotateNoneFlipX = 4,
    Rotate90FlipX = 5,
    Rotate180FlipX = 6,
    Rotate270FlipX = 7,
    RotateNoneFlipY = Rotate180FlipX,
    Rotate90FlipY = Rotate270FlipX,
    Rotate180FlipY = RotateNoneFlipX,
    Rotate270FlipY = Rotate90FlipX,
};

// True when the turn is a quarter or three quarters: width and height swap.
inline bool SwapsSides(RotateFlipType turn) {
    return (turn & 1) != 0;
}

struct RotateFlipChoice {
    RotateFlipType type = RotateNoneFlipNone;
    bool angleKnown = true;  // false: not 0, 90, 180 or 270; the flip alone is applied
};

// The type for an angle in degrees and a flip (0 none, 1 horizontal, 2
// vertical; any other value flips nothing).
RotateFlipChoice RotateFlipTypeOf(int32_t angle, int32_t flip);

struct OutputPhotoFormat;

// The type an output record asks for (nRotateAngel, nFlipType).
RotateFlipType RotateFlipOfRecord(const OutputPhotoFormat& format);
