#pragma once
// The window's preset list: the presets stored beside the window's settings
// (shared with the command line), applied, saved and removed by name.

#include <QObject>

#include <functional>
#include <optional>
#include <string>

#include "model/Preset.h"

class Prompter;
class QComboBox;

class PresetPanel : public QObject {
    Q_OBJECT
public:
    // The name a preset is saved under, starting from name; true on OK.
    using AskName = std::function<bool(std::string& name)>;
    // The window's settings as a preset; nothing when they cannot be taken
    // (the reason was told).
    using CurrentSettings = std::function<std::optional<Preset>()>;

    PresetPanel(QComboBox* list, Prompter& prompter, AskName askName, CurrentSettings current,
                QObject* parent = nullptr);

    int Count() const;
    // Reads the stored names again, keeping the chosen one when it is still
    // there (presets saved elsewhere show up).
    void Refresh();

    // Apply: the chosen preset, when it is still stored (Applied); Save as:
    // the window's settings under a name, asking before replacing one;
    // Remove: the chosen preset, after asking.
    void ApplyChosen();
    void SaveAs();
    void RemoveChosen();

    // The name of the preset last applied; empty when none was, or when the
    // one restored is not stored any more.
    const std::string& LastApplied() const { return lastApplied_; }
    // After a restart: shows the preset last applied when it is still
    // stored, else no name at all (its settings came back with the rest).
    void RestoreLastApplied(const std::string& name);

signals:
    void Applied(const Preset& preset);
    void CountChanged();

private:
    QComboBox* list_;
    Prompter& prompter_;
    AskName askName_;
    CurrentSettings current_;
    std::string lastApplied_;
};
