#pragma once
// The image watermark in the window, beside the text overlay: the chosen
// file (read when chosen, so that the preview shows it and a run does not
// read it again), its anchor, size, opacity and margin.

#include <QWidget>

#include "model/ImageWatermark.h"

class Prompter;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

class WatermarkPanel : public QWidget {
    Q_OBJECT
public:
    WatermarkPanel(Prompter& prompter, QWidget* parent = nullptr);

    // What the controls show, with the file's picture when it could be read.
    ImageWatermark Watermark() const;
    // Every value from a preset's watermark; its file is read anew (one that
    // cannot be read is told when a run starts).
    void Apply(const ImageWatermark& watermark);
    // Reads the file as the watermark; a file that cannot be read is told
    // and leaves the watermark as it was. An empty path: no watermark.
    bool Choose(const std::string& path);

signals:
    void Changed();

private:
    Prompter& prompter_;
    ImageWatermark watermark_;  // path and picture; the numbers are the controls'
    QLineEdit* file_;
    QPushButton* choose_;
    QComboBox* anchor_;
    QDoubleSpinBox* size_;
    QSpinBox* opacity_;
    QDoubleSpinBox* margin_;
};
