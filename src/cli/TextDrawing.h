#pragma once
// Qt's side of drawing the overlay text on the command line: its fonts need
// a GUI application object, made on the offscreen platform (no display is
// needed or wanted).

#include <functional>
#include <memory>
#include <string>

#include "model/TextOverlay.h"

class QGuiApplication;

class TextDrawing {
public:
    // Starts Qt when the overlay has text or names a font family, and tells
    // notice (one line, no line end) when the family is not installed.
    TextDrawing(const TextOverlay& overlay, const std::function<void(const std::string&)>& notice);
    ~TextDrawing();
    TextDrawing(const TextDrawing&) = delete;
    TextDrawing& operator=(const TextDrawing&) = delete;

private:
    int argc_ = 1;
    char name_[18] = "quillmere-convert";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};
