#pragma once
// Convert and Stop: the window's side of a batch run and of the activity
// log. The core prepares the run and runs it on its own threads; its reports
// come back as queued signals, so that every widget is touched on the GUI
// thread only, and go on to the rest of the window as this panel's signals.

#include <QObject>

#include <functional>
#include <memory>
#include <string>

#include "model/PhotoItem.h"
#include "run/RunStart.h"

class ActivityLog;
class Prompter;
class QListWidget;
class QProgressBar;
class RunController;

class RunPanel : public QObject {
    Q_OBJECT
public:
    // Opens a folder or a file with the desktop's handler.
    using OpenPath = std::function<void(const std::string& path)>;

    // The activity log lives in logFolder for as long as the panel does; its
    // lines of the current run also go to logLines. prompter must outlive
    // the panel.
    RunPanel(QProgressBar* progress, QListWidget* logLines, const std::string& logFolder,
             Prompter& prompter, OpenPath openPath, QObject* parent = nullptr);
    // Stops a run still going and waits for the photos being converted.
    ~RunPanel() override;

    bool IsRunning() const { return controller_ != nullptr; }
    // The folder of the last run that was started.
    const std::string& RunFolder() const { return runFolder_; }
    ActivityLog& Log() { return *log_; }
    const std::string& LogFilePath() const;

    // Makes the run folder and checks the text position (a position set to
    // 0 is told and signalled), then starts the run when it has photos.
    void Start(RunRequest request);
    // The photos being converted are finished, no further one is started.
    void Stop();
    // Opens the log, or says that there is none.
    void ViewLog();

signals:
    // A run has started (every photo waits) or ended.
    void RunningChanged(bool running);
    void TextPositionReset(bool x, bool y);
    void PhotoStarted(int row, const std::string& outputPath);
    void PhotoFinished(int row, PhotoStatus status, const std::string& reason);
    // A run has ended and its closing question was answered.
    void ConversionFinished();

private:
    void Finished(const RunResult& result);

    QProgressBar* progress_;
    QListWidget* logLines_;
    Prompter& prompter_;
    OpenPath openPath_;
    std::unique_ptr<ActivityLog> log_;
    std::unique_ptr<RunController> controller_;  // set while a run is active
    std::string runFolder_;
};
