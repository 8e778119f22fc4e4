#include "options/OutputPhotoFormat.h"

namespace {

constexpr PixelFormatChoice kChoices[kPixelFormatChoiceCount] = {
    {0, "1 bit Indexed", 0x00030101, 138, 1},
    {1, "4 bits Indexed", 0x00030402, 139, 4},
    {2, "8 bits Indexed", 0x00030803, 140, 8},
    {3, "16 bits RGB565", 0x00021006, 141, 0},
    {4, "24 bits RGB", 0x00021808, 142, 0},
    {5, "32 bits ARGB", 0x0026200A, 143, 0},
    {6, "32 bits PARGB", 0x000E200B, 144, 0},
    {7, "32 bits RGB", 0x00022009, 145, 0},
    {8, "64 bits ARGB", 0x0034400D, 146, 0},
    {9, "64 bits PARGB", 0x001C400E, 147, 0},
};

}  // namespace

const PixelFormatChoice& PixelFormatOf(int choice) {
    if (choice < 0 || choice >= kPixelFormatChoiceCount)
        return kChoices[4];
    return kChoices[choice];
}

const PixelFormatChoice* PixelFormatChoices() { return kChoices; }

std::string ExtensionOfFormat(int32_t format) {
    switch (format) {
    case kFormatBmp: return "bmp";
    case kFormatJpg: return "jpg";
    case kFormatPng: return "png";
    case kFormatTif: return "tif";
    default: return {};
    }
}
