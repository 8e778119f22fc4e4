#pragma once
// The main window: a shell over its parts. The photo list, the settings of
// photos, the output folder and naming, the text overlay, the presets, the
// gathering of photos and the run each have a part of their own; the window
// builds them over its form, joins their signals, turns its commands into
// actions with one rule each (UpdateActions) and saves what the next start
// reads.

#include <QDialog>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/Preset.h"
#include "platform/Prompter.h"
#include "platform/Status.h"
#include "window/MainDialogHooks.h"

namespace Ui {
class MainDialog;
}
class DestinationPanel;
class QLabel;
class GatherTask;
class ListHistory;
class OutputSettingsEditor;
class OverlayPanel;
class PhotoListPanel;
class PhotoSources;
class PresetPanel;
class QtPrompter;
class RunPanel;
class WindowActions;

class MainDialog : public QDialog {
    Q_OBJECT
public:
    // The parts read the overlay font, its colour, the rename prefix and the
    // naming date from the settings, then the output folder. Without a
    // prompter the window shows its messages as message boxes; hooks left
    // empty get the program's own dialogs.
    explicit MainDialog(Prompter* prompter = nullptr, MainDialogHooks hooks = {},
                        QWidget* parent = nullptr);
    ~MainDialog() override;

    // The form and the parts over it.
    Ui::MainDialog& Controls() { return *ui; }
    PhotoListPanel& List() { return *list_; }
    OutputSettingsEditor& Settings() { return *settings_; }
    DestinationPanel& Destination() { return *destination_; }
    OverlayPanel& Overlay() { return *overlay_; }
    GatherTask& Gathering() { return *gather_; }
    PhotoSources& Sources() { return *sources_; }
    RunPanel& Run() { return *run_; }

    // Data exchange: into the controls (false) or out of them with
    // validation (true). A failed integer shows "Please enter an integer.",
    // puts the focus there and stops reading; the values read before stay.
    bool UpdateData(bool saveAndValidate);

    // Files and folders handed over together (a drop, the files a file
    // manager opens the program with), gathered as PhotoSources does;
    // nothing while photos cannot be added.
    void OpenPaths(const std::vector<std::string>& paths);

public slots:
    // The commands that join several parts.
    void OnConvert();
    void OnClear();
    void OnBrowse();
    void OnFont();
    void OnPreview();
    void OnExit();

protected:
    void reject() override;  // Escape: cancels a gathering, never closes
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void FitScreen();
    void ConnectCommands();
    void ConnectParts();
    // Every command's rule applied to the window's state: the one place that
    // enables and disables them.
    void UpdateActions();
    void ApplyPreset(const Preset& preset);
    // The window's settings as a preset; nothing when X or Y is not a number.
    std::optional<Preset> CurrentPreset();
    // Every setting of the window, for the next start, and back.
    [[nodiscard]] Status SaveLastUsed();
    void RestoreLastUsed();

    std::unique_ptr<Ui::MainDialog> ui;
    std::unique_ptr<QtPrompter> ownPrompter_;
    Prompter& prompter_;
    MainDialogHooks hooks_;
    // In the order they are made and the reverse of their ending: a
    // gathering or a run still going ends before what it reports to.
    std::unique_ptr<PhotoListPanel> list_;
    std::unique_ptr<OutputSettingsEditor> settings_;
    std::unique_ptr<OverlayPanel> overlay_;
    std::unique_ptr<DestinationPanel> destination_;
    std::unique_ptr<PresetPanel> presets_;
    std::unique_ptr<RunPanel> run_;
    std::unique_ptr<GatherTask> gather_;
    std::unique_ptr<PhotoSources> sources_;
    WindowActions* actions_ = nullptr;  // the window's child
    ListHistory* history_ = nullptr;    // the window's child
    QLabel* leftOutLabel_ = nullptr;  // the window's child
    std::vector<std::string> leftOut_;      // what the last gathering left out
    bool closing_ = false;
    bool shownOnce_ = false;
};
