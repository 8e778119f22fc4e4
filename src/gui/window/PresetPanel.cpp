#include "window/PresetPanel.h"

#include <QComboBox>

#include <utility>

#include "dialogs/FilledText.h"
#include "platform/ProductInfo.h"
#include "platform/Prompter.h"
#include "settings/PresetStore.h"

PresetPanel::PresetPanel(QComboBox* list, Prompter& prompter, AskName askName,
                         CurrentSettings current, QObject* parent)
    : QObject(parent),
      list_(list),
      prompter_(prompter),
      askName_(std::move(askName)),
      current_(std::move(current)) {
    // Shown while no preset is chosen, so that no name looks applied.
    list_->setPlaceholderText(tr("Choose a preset"));
}

int PresetPanel::Count() const {
    return list_->count();
}

void PresetPanel::Refresh() {
    const QString chosen = list_->currentText();
    list_->clear();
    for (const std::string& name : presets::Names()) list_->addItem(QString::fromStdString(name));
    if (const int again = list_->findText(chosen); again >= 0)
        list_->setCurrentIndex(again);
    emit CountChanged();
}

void PresetPanel::ApplyChosen() {
    const std::string name = list_->currentText().toStdString();
    if (name.empty())
        return;  // none chosen
    const Result<std::optional<Preset>> loaded = presets::Load(name);
    // A value its setting does not take is never used: the whole preset stays
    // unapplied, and the message names the key.
    if (!loaded) {
        prompter_.Tell(Filled(tr("The preset \"%1\" was not applied."), {name}), kProductName,
                       PromptIcon::Exclamation, loaded.GetStatus().Shown());
        return;
    }
    if (!loaded.Value()) {
        prompter_.Tell(Filled(tr("The preset \"%1\" is not stored any more."), {name}), kProductName,
                       PromptIcon::Exclamation);
        Refresh();
        return;
    }
    lastApplied_ = name;
    emit Applied(*loaded.Value());
}

void PresetPanel::RestoreLastApplied(const std::string& name) {
    const int index = name.empty() ? -1 : list_->findText(QString::fromStdString(name));
    list_->setCurrentIndex(index);
    lastApplied_ = index >= 0 ? name : std::string();
}

void PresetPanel::SaveAs() {
    const std::optional<Preset> settings = current_();
    if (!settings)
        return;
    std::string name = list_->currentText().toStdString();
    if (!askName_(name))
        return;
    if (const std::string problem = presets::NameProblem(name); !problem.empty()) {
        prompter_.Tell(Filled(tr("A preset name %1."), {problem}), kProductName,
                       PromptIcon::Exclamation);
        return;
    }
    const Result<std::optional<Preset>> stored = presets::Load(name);
    if ((!stored || stored.Value()) &&
        prompter_.Ask(Filled(tr("The preset \"%1\" exists. Do you want to replace it?"), {name}),
                      tr("Question").toStdString(), PromptButtons::YesNo, PromptIcon::Question) != PromptAnswer::Yes)
        return;
    std::string reason;
    if (!presets::Save(name, *settings, &reason))
        prompter_.Tell(Filled(tr("The preset \"%1\" could not be saved."), {name}), kProductName,
                       PromptIcon::Error, reason);
    Refresh();
    list_->setCurrentIndex(list_->findText(QString::fromStdString(name)));
}

void PresetPanel::RemoveChosen() {
    const std::string name = list_->currentText().toStdString();
    if (name.empty())
        return;
    if (prompter_.Ask(Filled(tr("Do you want to delete the preset \"%1\"?"), {name}),
                      tr("Question").toStdString(),
                      PromptButtons::YesNo, PromptIcon::Question) != PromptAnswer::Yes)
        return;
    std::string reason;
    if (!presets::Remove(name, &reason))
        prompter_.Tell(Filled(tr("The preset \"%1\" could not be deleted."), {name}), kProductName,
                       PromptIcon::Error, reason);
    Refresh();
}
