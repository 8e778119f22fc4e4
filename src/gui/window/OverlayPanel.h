#pragma once
// The text drawn on every photo, as the window's controls show it: one
// TextOverlay record holds what was last taken from them (position,
// placement, font and colour), the text box holds the text itself.

#include <QObject>

#include <cstdint>

#include "platform/Status.h"
#include "model/TextOverlay.h"

class Prompter;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class WatermarkPanel;

struct OverlayControls {
    QLineEdit* text;
    QLineEdit* x;
    QLineEdit* y;
    QLabel* fontFace;
    QComboBox* anchor;
    QDoubleSpinBox* size;
    QSpinBox* opacity;
    QComboBox* effect;
    WatermarkPanel* watermark = nullptr;  // the image beside the text; none: no watermark
};

class OverlayPanel : public QObject {
    Q_OBJECT
public:
    // Fills the anchor and effect lists and reads the font and its colour
    // from the settings.
    explicit OverlayPanel(const OverlayControls& controls, QObject* parent = nullptr);

    // What a run draws: the values last taken, with the text as typed now.
    TextOverlay Overlay() const;
    // What the controls show now, for the preview: an X or Y that is not a
    // number counts as its last taken value.
    TextOverlay InControls() const;

    // The record into the controls (the text box keeps its text).
    void ToControls();
    // The controls into the record. An X or Y that is not an integer tells
    // "Please enter an integer.", takes the focus and stops there: what was
    // read before it stays taken, it and what follows keep their values.
    bool FromControls(Prompter& prompter);

    // Every value and control from overlay (a preset's), the text included.
    void Apply(const TextOverlay& overlay);
    void SetFont(const LogFont& font, uint32_t color);
    // The run's position check set X and/or Y to 0.
    void ResetPosition(bool x, bool y);
    // The font and its colour, for the next start.
    [[nodiscard]] Status Save() const;
    // The stored font height the settings file held but its setting does
    // not take (the built-in one is used instead); success when none.
    const Status& RefusedStored() const { return refused_; }

signals:
    // What the controls show changed (see InControls).
    void Changed();

private:
    OverlayControls controls_;
    TextOverlay overlay_;  // its text is the text box's
    Status refused_;
};
