#include "window/DestinationPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "model/OptionTables.h"
#include "platform/Paths.h"
#include "dialogs/ChoiceList.h"
#include "platform/SettingsStore.h"
#include "settings/PresetStore.h"
#include "settings/StoredValues.h"
#include "run/OutputPlacement.h"

DestinationPanel::DestinationPanel(const DestinationControls& controls,
                                   const std::string& outputFolder, QObject* parent)
    : QObject(parent),
      controls_(controls),
      m_outputFolder(paths::EnsureTrailingSeparator(outputFolder)) {
    naming_.prefix = SettingsStore::GetString(settings::kOption, settings::kBatchRenamer,
                                              settings::kDefaultBatchRenamer);
    const Result<int32_t> date = ReadStoredChoice(settings::kNaming, settings::kNamingDate,
                                                  IdsOf(NamingDateChoices()), kDateFile);
    naming_.date = date ? date.Value() : kDateFile;
    refused_ = date.GetStatus();
    FillChoices(controls_.date, NamingDateChoices(), [](const auto& row) { return row.text; });
    connect(controls_.notRename, &QCheckBox::clicked, this, [this](bool checked) {
        naming_.notRename = checked;
        ShowNotRename();
    });
}

void DestinationPanel::SetPlacesRow(PlacesRow* row) {
    places_ = row;
    places_->ShowNaming(naming_, place_);
}

void DestinationPanel::ShowExample(const std::vector<PhotoItem>& photos) {
    if (!places_)
        return;
    OutputNaming naming = naming_;
    naming.prefix = paths::FromQString(controls_.prefix->text());
    naming.notRename = controls_.notRename->isChecked();
    naming.date = ChosenId(controls_.date, naming.date);
    naming.runFolder = "/";
    places_->TakeNaming(naming);
    if (photos.empty()) {
        places_->ShowExample({}, false);
        return;
    }
    // The first ticked preset's output is the one shown.
    std::vector<RunOutput> outputs;
    for (const std::string& preset : places_->ChosenPresets())
        if (Result<std::optional<Preset>> stored = presets::Load(preset); stored && stored.Value())
            outputs.push_back({preset, stored.Value()->format, stored.Value()->naming.nameTemplate});
    const Result<std::string> name =
        ExampleOutputName(naming, JobOfPhoto(photos.front()), photos.size(), outputs);
    places_->ShowExample(paths::ToQString(name ? name.Value() : name.GetStatus().Reason()), !name);
}

bool DestinationPanel::RunOutputs(std::vector<RunOutput>& outputs, Prompter& prompter) const {
    outputs.clear();
    if (!places_)
        return true;
    for (const std::string& name : places_->ChosenPresets()) {
        const Result<std::optional<Preset>> preset = presets::Load(name);
        if (!preset || !preset.Value()) {
            prompter.Tell(tr("The preset could not be read.").toStdString(), name, PromptIcon::None,
                          preset ? tr("it is no longer stored").toStdString()
                                 : preset.GetStatus().Shown());
            return false;
        }
        outputs.push_back({name, preset.Value()->format, preset.Value()->naming.nameTemplate});
    }
    return true;
}

void DestinationPanel::ToControls() {
    controls_.folder->setText(paths::ToQString(m_outputFolder));
    controls_.prefix->setText(paths::ToQString(naming_.prefix));
    controls_.notRename->setChecked(naming_.notRename);
    // A stored value the list lacks shows no entry and is kept.
    SelectChoice(controls_.date, naming_.date);
    controls_.keepFolders->setChecked(naming_.keepFolders);
    if (places_)
        places_->ShowNaming(naming_, place_);
    ShowNotRename();
}

void DestinationPanel::FromControls() {
    m_outputFolder = paths::FromQString(controls_.folder->text());
    naming_.prefix = paths::FromQString(controls_.prefix->text());
    naming_.notRename = controls_.notRename->isChecked();
    naming_.date = ChosenId(controls_.date, naming_.date);
    naming_.keepFolders = controls_.keepFolders->isChecked();
    if (places_)
        place_ = places_->TakeNaming(naming_);
}

void DestinationPanel::SetOutputFolder(const std::string& folder) {
    m_outputFolder = paths::EnsureTrailingSeparator(folder);
    controls_.folder->setText(paths::ToQString(m_outputFolder));
}

void DestinationPanel::Apply(const OutputNaming& naming) {
    naming_.prefix = naming.prefix;
    naming_.notRename = naming.notRename;
    naming_.keepFolders = naming.keepFolders;
    naming_.date = naming.date;
    naming_.nameTemplate = naming.nameTemplate;
    naming_.besideFolder = naming.besideFolder;
    naming_.keepFileDate = naming.keepFileDate;
    if (!naming.besideFolder.empty())
        place_ = OutputPlace::Beside;
    else if (place_ == OutputPlace::Beside)
        place_ = OutputPlace::RunFolder;
    const QString typedFolder = controls_.folder->text();
    ToControls();
    controls_.folder->setText(typedFolder);
}

Status DestinationPanel::Save() const {
    // Every value is written even after one fails; the first failure is told.
    for (const Status& written :
         {SettingsStore::WriteString(settings::kOption, settings::kPhotoOutputFolder, m_outputFolder),
          SettingsStore::WriteString(settings::kOption, settings::kBatchRenamer, naming_.prefix),
          SettingsStore::WriteInt(settings::kNaming, settings::kNamingDate, naming_.date)})
        if (!written)
            return written;
    return Status::Ok();
}

void DestinationPanel::ShowNotRename() {
    for (QWidget* widget :
         {static_cast<QWidget*>(controls_.prefixLabel), static_cast<QWidget*>(controls_.prefix),
          static_cast<QWidget*>(controls_.suffixLabel), static_cast<QWidget*>(controls_.date)})
        widget->setEnabled(!naming_.notRename);
}
