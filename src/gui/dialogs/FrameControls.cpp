#include "dialogs/FrameControls.h"

#include <QColorDialog>
#include <QComboBox>
#include <QFormLayout>
#include <QIcon>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>

#include <cmath>
#include <iterator>

#include "dialogs/ChoiceList.h"
#include "model/NumberSettings.h"
#include "model/OptionTables.h"

namespace {

struct AspectPreset {
    const char* text;
    int across;
    int down;
};
// The frames social sites, shops and prints ask for; the last entry keeps
// the height as typed.
constexpr AspectPreset kAspects[] = {
    {QT_TRANSLATE_NOOP("FrameControls", "1:1 (square)"), 1, 1},
    {QT_TRANSLATE_NOOP("FrameControls", "4:5 (portrait post)"), 4, 5},
    {QT_TRANSLATE_NOOP("FrameControls", "3:2 (photo print)"), 3, 2},
    {QT_TRANSLATE_NOOP("FrameControls", "16:9 (wide screen)"), 16, 9},
    {QT_TRANSLATE_NOOP("FrameControls", "9:16 (story)"), 9, 16},
    {QT_TRANSLATE_NOOP("FrameControls", "Custom"), 0, 0},
};
constexpr int kCustom = std::size(kAspects) - 1;

QColor ColourOf(uint32_t colorRef) {
    return QColor(colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF);
}

}  // namespace

int32_t FrameControls::HeightFor(int presetIndex, int32_t width) {
    if (presetIndex < 0 || presetIndex >= kCustom || width <= 0)
        return 0;
    const AspectPreset& a = kAspects[presetIndex];
    return static_cast<int32_t>(std::max<int64_t>(
        1, (int64_t{width} * a.down * 2 + a.across) / (2 * int64_t{a.across})));
}

FrameControls::FrameControls(QLineEdit* width, QLineEdit* height, QWidget* parent)
    : QGroupBox(tr("Frame and finishing"), parent), width_(width), height_(height) {
    setObjectName(QStringLiteral("groupFrame"));
    auto* form = new QFormLayout(this);
    aspect_ = new QComboBox(this);
    aspect_->setObjectName(QStringLiteral("comboAspect"));
    for (const AspectPreset& a : kAspects) aspect_->addItem(tr(a.text));
    form->addRow(tr("&Aspect:"), aspect_);
    crop_ = new QComboBox(this);
    crop_->setObjectName(QStringLiteral("comboCrop"));
    FillChoices(crop_, CropAnchorChoices(), [](const NamedChoice& row) { return row.text; });
    form->addRow(tr("Cro&p:"), crop_);
    background_ = new QPushButton(this);
    background_->setObjectName(QStringLiteral("buttonBackground"));
    form->addRow(tr("&Background:"), background_);
    sharpen_ = new QComboBox(this);
    sharpen_->setObjectName(QStringLiteral("comboSharpen"));
    FillNamedChoices(sharpen_, SharpenChoices());
    form->addRow(tr("&Sharpen when reduced:"), sharpen_);
    dpi_ = new QSpinBox(this);
    dpi_->setObjectName(QStringLiteral("spinDpi"));
    dpi_->setRange(static_cast<int>(numbers::kDpi.min), static_cast<int>(numbers::kDpi.max));
    dpi_->setSpecialValueText(tr("As the source"));
    dpi_->setSuffix(tr(" DPI"));
    form->addRow(tr("Res&olution:"), dpi_);

    connect(aspect_, &QComboBox::activated, this, [this] { FillHeight(); });
    connect(width_, &QLineEdit::textEdited, this, [this] { FillHeight(); });
    connect(height_, &QLineEdit::textEdited, this, [this] {
        // A height typed by hand is a custom frame.
        if (HeightFor(aspect_->currentIndex(), width_->text().toInt()) != height_->text().toInt())
            aspect_->setCurrentIndex(kCustom);
    });
    connect(background_, &QPushButton::clicked, this, [this] {
        const QColor chosen = QColorDialog::getColor(ColourOf(colour_), this, tr("Background"));
        if (!chosen.isValid())
            return;
        colour_ = uint32_t(chosen.red()) | uint32_t(chosen.green()) << 8 |
                  uint32_t(chosen.blue()) << 16;
        ShowColour();
    });
}

void FrameControls::FillHeight() {
    if (!(inputs_ & kUsesCropAnchor))
        return;  // fill and pad only: the other rules read the height otherwise
    const int32_t height = HeightFor(aspect_->currentIndex(), width_->text().trimmed().toInt());
    if (height > 0)
        height_->setText(QString::number(height));
}

void FrameControls::ShowColour() {
    const QColor colour = ColourOf(colour_);
    background_->setText(colour.name(QColor::HexRgb).toUpper());
    QPixmap swatch(16, 16);
    swatch.fill(colour);
    background_->setIcon(QIcon(swatch));
}

void FrameControls::Show(const OutputPhotoFormat& format) {
    int preset = kCustom;
    for (int i = 0; i < kCustom; ++i)
        if (preset == kCustom && HeightFor(i, format.nOutputWidth) == format.nOutputHeight)
            preset = i;
    aspect_->setCurrentIndex(preset);
    SelectChoice(crop_, format.nCropAnchor);
    colour_ = format.nBackgroundColor & 0xFFFFFF;
    ShowColour();
    SelectChoice(sharpen_, format.nSharpen);
    dpi_->setValue(format.nDpi);
}

void FrameControls::EnableFor(unsigned inputs) {
    inputs_ = inputs;
    aspect_->setEnabled(inputs & kUsesCropAnchor);
    crop_->setEnabled(inputs & kUsesCropAnchor);
}

void FrameControls::Read(OutputPhotoFormat& format) const {
    // A value a list lacks stays as it came.
    format.nCropAnchor = ChosenId(crop_, format.nCropAnchor);
    format.nBackgroundColor = colour_;
    format.nSharpen = ChosenId(sharpen_, format.nSharpen);
    format.nDpi = dpi_->value();
}
