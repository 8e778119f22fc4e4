#include "model/Preset.h"

OutputNaming WithPresetNaming(const OutputNaming& naming, const OutputNaming& presetNaming) {
    OutputNaming result = presetNaming;
    result.runFolder = naming.runFolder;
    result.numberStart = naming.numberStart;
    result.numberWidth = naming.numberWidth;
    return result;
}
