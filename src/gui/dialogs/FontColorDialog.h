#pragma once
// The overlay's font and colour in one dialog: face, style, size in pixels,
// underline, strike-out and the text colour.

#include <QColor>
#include <QDialog>

#include <cstdint>
#include <memory>

#include "settings/FontSettings.h"

namespace Ui {
class FontColorDialog;
}

class FontColorDialog : public QDialog {
    Q_OBJECT
public:
    // Starts from font and the colour 0x00BBGGRR.
    FontColorDialog(const LogFont& font, uint32_t color, QWidget* parent = nullptr);
    ~FontColorDialog() override;

    // Opens the dialog modally; on OK font and color take the choice and the
    // result is true, on Cancel both stay as they were.
    static bool Edit(QWidget* parent, LogFont& font, uint32_t& color);

    // The choice as it stands. Members the dialog does not show (width,
    // escapement, character set, ...) come from the starting record.
    LogFont Font() const;
    uint32_t Color() const { return color_; }
    void SetColor(uint32_t color);

    // Between 0x00BBGGRR and Qt's colour (opaque).
    static QColor QColorFromColorRef(uint32_t color);
    static uint32_t ColorRefFromQColor(const QColor& color);

private:
    void FillStyles();
    void ChooseColor();
    void UpdateSample();
    QFont ChosenFont() const;

    std::unique_ptr<Ui::FontColorDialog> ui_;
    LogFont base_;
    uint32_t color_;
};
