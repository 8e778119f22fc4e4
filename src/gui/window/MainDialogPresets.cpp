// The main window's preset list and its text placement controls, with the
// overlay they describe shown on the preview.

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSpinBox>

#include "dialogs/ChoiceList.h"
#include "platform/Paths.h"
#include "platform/ProductInfo.h"
#include "platform/SettingsStore.h"
#include "settings/PresetStore.h"
#include "window/MainDialog.h"
#include "window/PreviewFrame.h"
#include "ui_MainDialog.h"

namespace {

std::string Quoted(const std::string& name) { return "\"" + name + "\""; }

}  // namespace

OutputNaming MainDialog::CurrentNaming() const {
    OutputNaming naming;
    naming.prefix = m_batch_renamer;
    naming.notRename = m_bNotRename != 0;
    naming.keepFolders = m_bKeepFolders != 0;
    naming.date = m_nNamingDate;
    return naming;
}

TextOverlay MainDialog::CurrentOverlay() const {
    TextOverlay overlay;
    overlay.text = ui->overlayTextEdit->text().toStdString();
    overlay.x = m_nTextX;
    overlay.y = m_nTextY;
    overlay.font = m_textFont;
    overlay.color = m_textColor;
    overlay.anchor = m_nTextAnchor;
    overlay.sizePercent = m_dTextSizePercent;
    overlay.opacity = m_nTextOpacity;
    overlay.effect = m_nTextEffect;
    return overlay;
}

TextOverlay MainDialog::OverlayInControls() const {
    TextOverlay overlay = CurrentOverlay();
    SettingsStore::ParseInt32(ui->textXEdit->text().toStdString(), overlay.x);
    SettingsStore::ParseInt32(ui->textYEdit->text().toStdString(), overlay.y);
    overlay.anchor = ChosenId(ui->textAnchorCombo, overlay.anchor);
    overlay.sizePercent = ui->textSizeSpin->value();
    overlay.opacity = ui->textOpacitySpin->value();
    overlay.effect = ChosenId(ui->textEffectCombo, overlay.effect);
    return overlay;
}

void MainDialog::UpdatePreviewOverlay() {
    ui->previewFrame->SetOverlay(OverlayInControls(), QSize(previewWidth_, previewHeight_));
}

void MainDialog::ConnectTextPlacement() {
    for (QLineEdit* edit : {ui->overlayTextEdit, ui->textXEdit, ui->textYEdit})
        connect(edit, &QLineEdit::textChanged, this, &MainDialog::UpdatePreviewOverlay);
    for (QComboBox* combo : {ui->textAnchorCombo, ui->textEffectCombo})
        connect(combo, &QComboBox::currentIndexChanged, this, &MainDialog::UpdatePreviewOverlay);
    connect(ui->textSizeSpin, &QDoubleSpinBox::valueChanged, this, &MainDialog::UpdatePreviewOverlay);
    connect(ui->textOpacitySpin, &QSpinBox::valueChanged, this, &MainDialog::UpdatePreviewOverlay);
}

void MainDialog::RefreshPresetList() {
    const QString chosen = ui->presetCombo->currentText();
    ui->presetCombo->clear();
    for (const std::string& name : presets::Names())
        ui->presetCombo->addItem(QString::fromStdString(name));
    const int again = ui->presetCombo->findText(chosen);
    if (again >= 0)
        ui->presetCombo->setCurrentIndex(again);
    const bool any = ui->presetCombo->count() > 0;
    ui->applyPresetButton->setEnabled(any && !IsConverting());
    ui->deletePresetButton->setEnabled(any);
}

void MainDialog::ApplyPresetSettings(const Preset& preset) {
    m_batch_renamer = preset.naming.prefix;
    m_bNotRename = preset.naming.notRename ? 1 : 0;
    m_bKeepFolders = preset.naming.keepFolders ? 1 : 0;
    m_nNamingDate = preset.naming.date;
    ui->overlayTextEdit->setText(QString::fromStdString(preset.overlay.text));
    m_nTextX = preset.overlay.x;
    m_nTextY = preset.overlay.y;
    m_textFont = preset.overlay.font;
    m_textColor = preset.overlay.color;
    m_nTextAnchor = preset.overlay.anchor;
    m_dTextSizePercent = preset.overlay.sizePercent;
    m_nTextOpacity = preset.overlay.opacity;
    m_nTextEffect = preset.overlay.effect;
    ui->fontFaceLabel->setText(QString::fromStdString(m_textFont.lfFaceName));
    UpdateData(false);
    OnNotRename();
    UpdatePreviewOverlay();
}

void MainDialog::OnApplyPreset() {
    if (IsConverting())
        return;
    const std::string name = ui->presetCombo->currentText().toStdString();
    const Result<std::optional<Preset>> loaded = presets::Load(name);
    // A value its setting does not take is never used: the whole preset stays
    // unapplied, and the message names the key.
    if (!loaded) {
        prompter_.Tell("The preset " + Quoted(name) + " was not applied.", kProductName,
                       PromptIcon::Exclamation, loaded.GetStatus().Told());
        return;
    }
    if (!loaded.Value()) {
        prompter_.Tell("The preset " + Quoted(name) + " is not stored any more.", kProductName,
                       PromptIcon::Exclamation);
        RefreshPresetList();
        return;
    }
    const Preset& preset = *loaded.Value();
    // A typed output folder is not the preset's: it stays.
    m_outputFolder = paths::FromQString(ui->outputFolderEdit->text());
    ApplyPresetSettings(preset);
    DefaultOutputPhotoFormat = preset.format;
    OfferDefaultsToList();
}

void MainDialog::OnSavePreset() {
    // A bad X or Y is told and nothing is saved.
    if (!UpdateData(true))
        return;
    std::string name = ui->presetCombo->currentText().toStdString();
    if (!hooks_.askPresetName(this, name))
        return;
    if (const std::string problem = presets::NameProblem(name); !problem.empty()) {
        prompter_.Tell("A preset name " + problem + ".", kProductName, PromptIcon::Exclamation);
        return;
    }
    const Result<std::optional<Preset>> stored = presets::Load(name);
    if ((!stored || stored.Value()) &&
        prompter_.Ask("The preset " + Quoted(name) + " exists. Do you want to replace it?", "Question",
                      PromptButtons::YesNo, PromptIcon::Question) != PromptAnswer::Yes)
        return;
    std::string reason;
    if (!presets::Save(name, Preset{DefaultOutputPhotoFormat, CurrentNaming(), CurrentOverlay()}, &reason))
        prompter_.Tell("The preset " + Quoted(name) + " could not be saved.", kProductName, PromptIcon::Error,
                       reason);
    RefreshPresetList();
    ui->presetCombo->setCurrentIndex(ui->presetCombo->findText(QString::fromStdString(name)));
}

void MainDialog::OnDeletePreset() {
    const std::string name = ui->presetCombo->currentText().toStdString();
    if (name.empty())
        return;
    if (prompter_.Ask("Do you want to delete the preset " + Quoted(name) + "?", "Question",
                      PromptButtons::YesNo, PromptIcon::Question) != PromptAnswer::Yes)
        return;
    std::string reason;
    if (!presets::Remove(name, &reason))
        prompter_.Tell("The preset " + Quoted(name) + " could not be deleted.", kProductName, PromptIcon::Error,
                       reason);
    RefreshPresetList();
}
