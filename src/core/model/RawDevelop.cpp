#include "model/RawDevelop.h"

#include <QtGlobal>

const std::vector<NamedChoice>& RawDevelopChoices() {
    static const std::vector<NamedChoice> rows = {
        {kRawAuto, "auto", nullptr, QT_TRANSLATE_NOOP("OptionTables", "Automatic"),
         QT_TRANSLATE_NOOP("OptionTables",
                           "The camera's own preview when it is at least the output size, else "
                           "the sensor at half size when that is, else the whole sensor.")},
        {kRawPreview, "preview", nullptr, QT_TRANSLATE_NOOP("OptionTables", "Camera preview"),
         QT_TRANSLATE_NOOP(
             "OptionTables",
             "The preview the camera embedded in the file: fastest; a file without one fails.")},
        {kRawFull, "full", nullptr, QT_TRANSLATE_NOOP("OptionTables", "Full develop"),
         QT_TRANSLATE_NOOP("OptionTables",
                           "Always the whole sensor, demosaicked: slowest, the most detail.")},
    };
    return rows;
}
