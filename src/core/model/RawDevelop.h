#pragma once
// How a camera RAW photo is developed: the choices of nRawDevelop.

#include <vector>

#include "model/OptionTables.h"

enum RawDevelop : int32_t {
    kRawAuto = 0,     // the camera's preview when it covers the output, else half, else full
    kRawPreview = 1,  // the camera's embedded preview only
    kRawFull = 2,     // always the whole sensor, demosaicked
};

const std::vector<NamedChoice>& RawDevelopChoices();
