#include "window/DestinationPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "model/OptionTables.h"
#include "platform/Paths.h"
#include "dialogs/ChoiceList.h"
#include "platform/SettingsStore.h"
#include "settings/StoredValues.h"

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

void DestinationPanel::ToControls() {
    controls_.folder->setText(paths::ToQString(m_outputFolder));
    controls_.prefix->setText(paths::ToQString(naming_.prefix));
    controls_.notRename->setChecked(naming_.notRename);
    // A stored value the list lacks shows no entry and is kept.
    SelectChoice(controls_.date, naming_.date);
    controls_.keepFolders->setChecked(naming_.keepFolders);
    ShowNotRename();
}

void DestinationPanel::FromControls() {
    m_outputFolder = paths::FromQString(controls_.folder->text());
    naming_.prefix = paths::FromQString(controls_.prefix->text());
    naming_.notRename = controls_.notRename->isChecked();
    naming_.date = ChosenId(controls_.date, naming_.date);
    naming_.keepFolders = controls_.keepFolders->isChecked();
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
