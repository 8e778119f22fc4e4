#include "window/RunPanel.h"

#include <QFile>
#include <QListWidget>
#include <QProgressBar>

#include <utility>

#include "platform/Paths.h"
#include "platform/Prompter.h"
#include "run/ActivityLog.h"
#include "run/RunController.h"

namespace {

PhotoStatus StatusOf(const PhotoResult& result) {
    switch (result.outcome) {
        case PhotoOutcome::Written: return PhotoStatus::Converted;
        case PhotoOutcome::Skipped: return PhotoStatus::Skipped;
        case PhotoOutcome::Failed: return PhotoStatus::Failed;
    }
    return PhotoStatus::Failed;
}

// The message and the reason behind it, for the row's tooltip.
std::string ReasonOf(const PhotoResult& result) {
    std::string reason = result.message;
    if (!result.reason.empty())
        reason += (reason.empty() ? "" : "\n") + result.reason;
    // What a byte limit came to: quality, size, encodes, any reduction.
    if (result.fit)
        reason += (reason.empty() ? "" : "\n") + FitText(*result.fit);
    return reason;
}

}  // namespace

RunPanel::RunPanel(QProgressBar* progress, QListWidget* logLines, const std::string& logFolder,
                   Prompter& prompter, OpenPath openPath, QObject* parent)
    : QObject(parent),
      progress_(progress),
      logLines_(logLines),
      prompter_(prompter),
      openPath_(std::move(openPath)),
      log_(std::make_unique<ActivityLog>(logFolder)) {
    progress_->setRange(0, 999);
    progress_->setValue(0);
    // Entries arrive on the run's threads; the list of lines is the GUI's.
    log_->SetLineAddedCallback([this](const std::string& entry) {
        QMetaObject::invokeMethod(
            this,
            [this, text = QString::fromStdString(entry)] {
                logLines_->addItem(text);
                while (logLines_->count() > static_cast<int>(ActivityLog::kMaxLines))
                    delete logLines_->takeItem(0);
            },
            Qt::QueuedConnection);
    });
}

RunPanel::~RunPanel() {
    controller_.reset();
}

const std::string& RunPanel::LogFilePath() const {
    return log_->FilePath();
}

void RunPanel::Start(RunRequest request) {
    PreparedRun prepared = PrepareRun(std::move(request), prompter_);
    if (!prepared.ready)
        return;
    runFolder_ = prepared.job.naming.runFolder;
    log_->ClearLines();
    logLines_->clear();
    if (prepared.xReset || prepared.yReset)
        emit TextPositionReset(prepared.xReset, prepared.yReset);
    if (prepared.job.photos.empty())
        return;

    controller_ = std::make_unique<RunController>(std::move(prepared.job), prompter_, *log_);
    RunController* run = controller_.get();
    connect(run, &RunController::Progress, progress_, &QProgressBar::setValue,
            Qt::QueuedConnection);
    connect(
        run, &RunController::OutputPathFormed, this,
        [this](qsizetype index, const std::string& path) {
            emit PhotoStarted(static_cast<int>(index), path);
        },
        Qt::QueuedConnection);
    connect(
        run, &RunController::PhotoDone, this,
        [this](qsizetype index, const PhotoResult& result) {
            emit PhotoFinished(static_cast<int>(index), StatusOf(result), ReasonOf(result));
        },
        Qt::QueuedConnection);
    connect(run, &RunController::TextPositionReset, this, &RunPanel::TextPositionReset,
            Qt::QueuedConnection);
    connect(run, &RunController::Finished, this, &RunPanel::Finished, Qt::QueuedConnection);
    emit RunningChanged(true);
    progress_->setValue(0);
    run->Start();
}

void RunPanel::Stop() {
    if (controller_)
        controller_->RequestStop();
}

void RunPanel::Finished(const RunResult& result) {
    controller_.reset();
    emit RunningChanged(false);
    progress_->setValue(999);
    std::string question = "The conversion is done. Do you want to open the output folder?";
    if (const std::string outcome = RunOutcomeLines(result); !outcome.empty())
        question += "\n" + outcome;
    if (prompter_.Ask(question, runFolder_, PromptButtons::YesNo) == PromptAnswer::Yes)
        openPath_(runFolder_);
    emit ConversionFinished();
}

void RunPanel::ViewLog() {
    // Opened for reading first, as the check that there is a log at all.
    QFile log(paths::ToQString(LogFilePath()));
    if (!log.open(QIODevice::ReadOnly)) {
        prompter_.Tell("There is not log file now!", "Message");
        return;
    }
    log.close();
    openPath_(LogFilePath());
}
