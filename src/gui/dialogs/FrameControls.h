#pragma once
// The options dialog's controls of exact frames and finishing: an aspect
// preset that fills the height from the width (for fill and pad), where the
// crop sits, the background colour, sharpening and the resolution. Made in
// code below the size group; they edit the record's later fields only.

#include <QGroupBox>

#include <cstdint>

#include "model/OutputPhotoFormat.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

class FrameControls : public QGroupBox {
    Q_OBJECT
public:
    // width and height: the dialog's edits, which an aspect preset fills.
    FrameControls(QLineEdit* width, QLineEdit* height, QWidget* parent);

    // The record's values into the controls; the aspect preset that the
    // width and height make, else custom.
    void Show(const OutputPhotoFormat& format);
    // Enables what the size rule reads (SizeInput bits).
    void EnableFor(unsigned inputs);
    // The controls' values into the record.
    void Read(OutputPhotoFormat& format) const;

    // The preset's height for a width; 0 for custom.
    static int32_t HeightFor(int presetIndex, int32_t width);

private:
    void FillHeight();
    void ShowColour();

    QLineEdit* width_;
    QLineEdit* height_;
    QComboBox* aspect_;
    QComboBox* crop_;
    QPushButton* background_;
    QComboBox* sharpen_;
    QSpinBox* dpi_;
    uint32_t colour_ = kWhiteBackground;
    unsigned inputs_ = 0;
};
