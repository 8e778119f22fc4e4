#pragma once
// Convert and Stop: the window's side of a batch run and of the activity
// log. The core prepares the run and runs it on its own threads; its reports
// come back as queued signals, so that every widget is touched on the GUI
// thread only, and go on to the rest of the window as this panel's signals.
// A photo's failure never shows a box during the run: it is shown in its
// row and logged, and the run's one box at the end lists every failure.

#include <QElapsedTimer>
#include <QObject>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/RunSummaryDialog.h"
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
    // The box at the end of a run (RunSummaryDialog::Ask); showLog opens
    // the log.
    using ShowSummary =
        std::function<RunSummaryChoice(const RunSummary& summary, std::function<void()> showLog)>;

    // The activity log lives in logFolder for as long as the panel does; its
    // lines of the current run also go to logLines. prompter must outlive
    // the panel.
    RunPanel(QProgressBar* progress, QListWidget* logLines, const std::string& logFolder,
             Prompter& prompter, OpenPath openPath, ShowSummary showSummary,
             QObject* parent = nullptr);
    // Stops a run still going and waits for the photos being converted.
    ~RunPanel() override;

    bool IsRunning() const { return controller_ != nullptr; }
    // The folder of the last run that was started.
    const std::string& RunFolder() const { return runFolder_; }
    ActivityLog& Log() { return *log_; }
    const std::string& LogFilePath() const;
    // Photos of the run's job that are written (by index), and the result of
    // the last part run.
    const std::vector<bool>& Converted() const { return converted_; }
    const RunResult& LastResult() const { return result_; }

    // Makes the run folder and checks the text position (a position set to
    // 0 is told and signalled), then starts the run when it has photos.
    void Start(RunRequest request);
    // Converts the photos of the last run that are not written yet into its
    // folder, with the numbers and names the whole run gives them.
    void ConvertRest();
    // The photos being converted are finished, no further one is started.
    void Stop();
    // Stops the run and waits for the photos being converted, without its
    // closing box: the window is going away.
    void StopAndWait();
    // Opens the log, or says that there is none.
    void ViewLog();

signals:
    // A run has started (every photo not yet written waits) or ended.
    void RunningChanged(bool running);
    void TextPositionReset(bool x, bool y);
    void PhotoStarted(int row, const std::string& outputPath);
    void PhotoFinished(int row, PhotoStatus status, const std::string& reason);
    // A run has ended and its closing box was answered.
    void ConversionFinished();

private:
    void Launch();
    void OnPhotoDone(qsizetype index, const PhotoResult& result);
    void Finished(const RunResult& result);
    void ShowProgressText();

    QProgressBar* progress_;
    QListWidget* logLines_;
    Prompter& prompter_;
    OpenPath openPath_;
    ShowSummary showSummary_;
    std::unique_ptr<ActivityLog> log_;
    std::unique_ptr<RunController> controller_;  // set while a run is active
    std::string runFolder_;

    ConversionJob job_;              // the last run's whole job, for Convert the rest
    std::vector<bool> converted_;    // its photos written so far
    std::vector<RunSummaryFailure> failures_;  // of the part running, in the order they came
    RunResult result_;
    std::vector<std::string> outputPaths_;  // as the run formed them
    std::size_t finishedThisPart_ = 0;
    std::size_t notWrittenThisPart_ = 0;  // failed or not replaced
    QElapsedTimer clock_;  // since this part started
};
