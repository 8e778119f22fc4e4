#pragma once
// The main window: the photo list, the output folder, the rename prefix, the
// text overlay, and the Convert / Stop of a batch run. It owns everything a
// run needs and hands the run a copy.

#include <QDialog>
#include <QList>
#include <QUrl>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Prompter.h"
#include "settings/FontSettings.h"
#include "run/ConversionRun.h"
#include "model/TextOverlay.h"
#include "model/OutputPhotoFormat.h"
#include "window/GatherProgress.h"
#include "window/MainDialogHooks.h"
#include "model/PhotoItem.h"
#include "model/PhotoListOps.h"

namespace Ui {
class MainDialog;
}
struct Preset;
class ActivityLog;
class PhotoListModel;
class QLineEdit;
class QtPrompter;
class RunController;

class MainDialog : public QDialog {
    Q_OBJECT
public:
    // Reads the overlay font, its colour, the rename prefix and the naming
    // date from the settings, then the output folder. Without a prompter the window shows
    // its messages as message boxes; hooks left empty get the program's own
    // dialogs.
    explicit MainDialog(Prompter* prompter = nullptr, MainDialogHooks hooks = {},
                        QWidget* parent = nullptr);
    ~MainDialog() override;

    // What the window holds, for the tests and the run.
    const std::vector<PhotoItem>& Photos() const { return m_photoList; }
    int PhotoCount() const { return m_nPhotoCount; }
    const OutputPhotoFormat& DefaultFormat() const { return DefaultOutputPhotoFormat; }
    const std::string& OutputFolder() const { return m_outputFolder; }
    const std::string& RunOutputFolder() const { return m_runOutputFolder; }
    const std::string& LogFilePath() const { return m_logFilePath; }
    int32_t NamingDate() const { return m_nNamingDate; }
    const LogFont& TextFont() const { return m_textFont; }
    uint32_t TextColor() const { return m_textColor; }
    bool IsConverting() const { return m_run != nullptr; }
    // What the last finished run came to.
    const RunResult& LastRunResult() const { return lastRun_; }
    Ui::MainDialog& Controls() { return *ui; }

    // Data exchange: into the controls (false) or out of them with
    // validation (true). A failed integer shows "Please enter an integer.",
    // puts the focus there and stops reading; the members read before stay.
    bool UpdateData(bool saveAndValidate);

    // Rebuilds the list view from the photos; the selection is cleared.
    void RefreshPhotoList();
    // Convert, Edit, Up, Down, Delete and Clear.
    void EnableListCommands(bool enable);

    // Rows selected in the list view, ascending.
    std::vector<int> SelectedRows() const;
    void SelectRows(const std::vector<int>& rows);

    // The naming and the overlay as the members hold them (after
    // UpdateData(true)); the run folder is the run's.
    OutputNaming CurrentNaming() const;
    TextOverlay CurrentOverlay() const;
    // Reads the stored presets into the preset list again, keeping the
    // chosen one when it is still there. Also done whenever the window
    // becomes active, so that presets saved elsewhere show up.
    void RefreshPresetList();

public slots:
    void OnAddPhotos();
    void OnSearchPhotos();
    void OnOptions();
    void OnConvert();
    void OnEdit();
    void OnUp();
    void OnDown();
    void OnDelete();
    void OnClear();
    void OnColumnClick(int column);
    void OnBrowse();
    void OnFont();
    void OnNotRename();
    void OnPreview();
    void OnExit();
    // The preset list: Apply does what Options does with the chosen preset's
    // settings for new photos (the same question about the listed photos) and
    // takes its naming and text settings; Save as stores the window's
    // settings under a name; Delete removes the chosen preset.
    void OnApplyPreset();
    void OnSavePreset();
    void OnDeletePreset();
    // Opens the activity log with the desktop's handler for text files.
    void OnViewLog();
    // Dropped local files and folders are opened (OpenPaths).
    void OnDropUrls(const QList<QUrl>& urls);
    // Files and folders handed over together (a drop, the files a file
    // manager opens with the program): files are added in order, folders
    // searched in their place; what is not a picture is left out silently.
    void OpenPaths(const std::vector<std::string>& paths);

signals:
    // A run has ended and its completion question was answered.
    void ConversionFinished();

protected:
    void reject() override;  // Escape: the same as Exit
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Up and Down: the same handling around the core move.
    void MoveSelection(ListCommandResult (*move)(std::vector<PhotoItem>&, const RowSelection&));
    void ConnectCommands();
    void OnInitDialog();
    void SetRunning(bool running);
    // The pre-run or per-photo check set a position to 0: member and edit.
    void SetTextPosition(int32_t* member, QLineEdit* edit);
    void PhotoDone(qsizetype index, const PhotoResult& result);
    void RunFinished(const RunResult& result);
    void AppendLogLine(const QString& entry);
    bool RefuseWhileConverting();
    // Tells "Please select items!" when nothing is selected; the rows otherwise.
    bool SelectionOrTell(std::vector<int>& rows);
    // Brings the photos' output sizes up to date after a settings change.
    void RecomputeOutputSize(PhotoItem& photo);
    // After the settings for new photos changed: asks whether every listed
    // photo gets them too.
    void OfferDefaultsToList();
    void ConnectTextPlacement();
    void ApplyPresetSettings(const Preset& preset);
    // The overlay as the controls show it now, for the preview: an X or Y
    // that is not a number counts as its last taken value.
    TextOverlay OverlayInControls() const;
    void UpdatePreviewOverlay();
    void StoreLastFolder(const char* key);
    // The common tail of every way of adding photos: runs work off the GUI
    // thread with progress (titled title) and appends its photos, in order,
    // to the list.
    void GatherIntoList(const QString& title, const GatherWork& work);

    std::unique_ptr<Ui::MainDialog> ui;
    std::unique_ptr<QtPrompter> ownPrompter_;
    Prompter& prompter_;
    MainDialogHooks hooks_;
    PhotoListModel* model_ = nullptr;

    std::vector<PhotoItem> m_photoList;
    int m_nPhotoCount = 0;
    bool m_bNameSortAscending = false;
    bool m_bTimeSortAscending = false;

    OutputPhotoFormat DefaultOutputPhotoFormat = BuiltInDefaultOutputPhotoFormat();
    std::string m_outputFolder;
    std::string m_batch_renamer;
    int m_bNotRename = 0;
    int32_t m_nNamingDate = 0;  // NamingDate of the names
    int m_bKeepFolders = 0;
    int32_t m_nTextX = 0;
    int32_t m_nTextY = 0;
    int32_t m_nTextAnchor = kAnchorTopLeft;
    double m_dTextSizePercent = 0;
    int32_t m_nTextOpacity = 100;
    int32_t m_nTextEffect = kTextEffectNone;
    LogFont m_textFont;
    uint32_t m_textColor = 0;
    std::string m_logFilePath;
    std::string m_runOutputFolder;
    int32_t previewWidth_ = 0;  // the output size of the photo in the preview
    int32_t previewHeight_ = 0;

    std::unique_ptr<ActivityLog> log_;
    std::unique_ptr<RunController> m_run;  // set while a run is active
    RunResult lastRun_;
    bool closing_ = false;
};
