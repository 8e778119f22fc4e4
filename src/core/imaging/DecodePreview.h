#pragma once
// The picture the main window previews.

#include <string>

#include <QImage>

// Decodes the file at path shrunk to fit within maxWidth x maxHeight (never
// enlarged), upright, flattened onto white, as an RGB888 image. A null image
// when it is not a regular file or cannot be decoded. Thread-safe.
QImage DecodePreview(const std::string& path, int maxWidth, int maxHeight);
