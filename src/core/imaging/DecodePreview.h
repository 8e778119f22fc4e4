#pragma once
// The picture the main window previews.

#include <string>

#include <QImage>

#include "model/OutputPlan.h"

// The output of the file at path as plan lays it out, at the plan's size
// fitted within maxWidth x maxHeight (never larger than the output),
// upright, flattened onto white, as an RGB888 image. A plan that cannot be
// drawn (an output size the conversion would refuse) gives the whole photo
// in its own proportions, fitted the same way and never enlarged. A null
// image when it is not a regular file or cannot be decoded. Thread-safe.
QImage DecodePreview(const std::string& path, const OutputPlan& plan, int maxWidth, int maxHeight);
