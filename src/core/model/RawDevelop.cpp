#include "model/RawDevelop.h"

const std::vector<NamedChoice>& RawDevelopChoices() {
    static const std::vector<NamedChoice> rows = {
        {kRawAuto, "auto", nullptr, "Automatic",
         "The camera's own preview when it is at least the output size, else the sensor at half "
         "size when that is, else the whole sensor."},
        {kRawPreview, "preview", nullptr, "Camera preview",
         "The preview the camera embedded in the file: fastest; a file without one fails."},
        {kRawFull, "full", nullptr, "Full develop",
         "Always the whole sensor, demosaicked: slowest, the most detail."},
    };
    return rows;
}
