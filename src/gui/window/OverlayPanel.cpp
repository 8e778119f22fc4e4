#include "window/OverlayPanel.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include <tuple>
#include <utility>

#include "dialogs/ChoiceList.h"
#include "model/NumberSettings.h"
#include "model/OptionTables.h"
#include "platform/ProductInfo.h"
#include "platform/Prompter.h"
#include "platform/SettingsStore.h"
#include "settings/FontSettings.h"
#include "window/WatermarkPanel.h"

OverlayPanel::OverlayPanel(const OverlayControls& controls, QObject* parent)
    : QObject(parent), controls_(controls) {
    overlay_.font = LoadTextFont(&refused_);
    overlay_.color = LoadTextColor();
    FillChoices(controls_.anchor, TextAnchors(), [](const auto& row) { return row.listText; });
    FillChoices(controls_.effect, TextEffects(), [](const auto& row) { return row.listText; });
    controls_.size->setRange(numbers::kTextSizePercent.min, numbers::kTextSizePercent.max);
    controls_.opacity->setRange(static_cast<int>(numbers::kTextOpacity.min),
                                static_cast<int>(numbers::kTextOpacity.max));
    for (QLineEdit* edit : {controls_.text, controls_.x, controls_.y})
        connect(edit, &QLineEdit::textChanged, this, &OverlayPanel::Changed);
    for (QComboBox* combo : {controls_.anchor, controls_.effect})
        connect(combo, &QComboBox::currentIndexChanged, this, &OverlayPanel::Changed);
    connect(controls_.size, &QDoubleSpinBox::valueChanged, this, &OverlayPanel::Changed);
    connect(controls_.opacity, &QSpinBox::valueChanged, this, &OverlayPanel::Changed);
    if (controls_.watermark)
        connect(controls_.watermark, &WatermarkPanel::Changed, this, &OverlayPanel::Changed);
}

TextOverlay OverlayPanel::Overlay() const {
    TextOverlay overlay = overlay_;
    overlay.text = controls_.text->text().toStdString();
    if (controls_.watermark)
        overlay.watermark = controls_.watermark->Watermark();
    return overlay;
}

TextOverlay OverlayPanel::InControls() const {
    TextOverlay overlay = Overlay();
    SettingsStore::ParseInt32(controls_.x->text().toStdString(), overlay.x);
    SettingsStore::ParseInt32(controls_.y->text().toStdString(), overlay.y);
    overlay.anchor = ChosenId(controls_.anchor, overlay.anchor);
    overlay.sizePercent = controls_.size->value();
    overlay.opacity = controls_.opacity->value();
    overlay.effect = ChosenId(controls_.effect, overlay.effect);
    return overlay;
}

void OverlayPanel::ToControls() {
    controls_.x->setText(QString::number(overlay_.x));
    controls_.y->setText(QString::number(overlay_.y));
    SelectChoice(controls_.anchor, TextAnchorOf(overlay_.anchor).id);
    controls_.size->setValue(overlay_.sizePercent);
    controls_.opacity->setValue(overlay_.opacity);
    SelectChoice(controls_.effect, overlay_.effect);
}

bool OverlayPanel::FromControls(Prompter& prompter) {
    overlay_.anchor = ChosenId(controls_.anchor, overlay_.anchor);
    overlay_.sizePercent = controls_.size->value();
    overlay_.opacity = controls_.opacity->value();
    overlay_.effect = ChosenId(controls_.effect, overlay_.effect);
    for (auto [edit, member] :
         {std::pair{controls_.x, &overlay_.x}, std::pair{controls_.y, &overlay_.y}}) {
        int32_t value = 0;
        if (!SettingsStore::ParseInt32(edit->text().toStdString(), value)) {
            prompter.Tell(tr("Please enter an integer.").toStdString(), kProductName,
                          PromptIcon::Exclamation);
            edit->setFocus();
            edit->selectAll();
            return false;
        }
        *member = value;
    }
    return true;
}

void OverlayPanel::Apply(const TextOverlay& overlay) {
    overlay_ = overlay;
    overlay_.text.clear();
    controls_.text->setText(QString::fromStdString(overlay.text));
    controls_.fontFace->setText(QString::fromStdString(overlay_.font.lfFaceName));
    ToControls();
    if (controls_.watermark)
        controls_.watermark->Apply(overlay.watermark);
    emit Changed();
}

void OverlayPanel::SetFont(const LogFont& font, uint32_t color) {
    overlay_.font = font;
    overlay_.color = color;
    controls_.fontFace->setText(QString::fromStdString(font.lfFaceName));
    emit Changed();
}

void OverlayPanel::ResetPosition(bool x, bool y) {
    for (auto [reset, edit, member] :
         {std::tuple{x, controls_.x, &overlay_.x}, std::tuple{y, controls_.y, &overlay_.y}})
        if (reset) {
            *member = 0;
            edit->setText(QStringLiteral("0"));
        }
}

Status OverlayPanel::Save() const {
    const Status font = SaveTextFont(overlay_.font);
    const Status color = SaveTextColor(overlay_.color);
    return font ? color : font;
}
