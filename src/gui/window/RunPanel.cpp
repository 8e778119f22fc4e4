#include "window/RunPanel.h"

#include <QFile>
#include <QListWidget>
#include <QProgressBar>

#include <algorithm>
#include <utility>

#include "dialogs/FilledText.h"
#include "gather/PhotoInfo.h"
#include "platform/Paths.h"
#include "platform/Prompter.h"
#include "run/ActivityLog.h"
#include "run/OutputPlacement.h"
#include "run/RunController.h"
#include "run/RunSummary.h"
#include "window/LocalFigures.h"

namespace {

PhotoStatus StatusOf(const PhotoResult& result) {
    switch (result.outcome) {
        case PhotoOutcome::Written: return PhotoStatus::Converted;
        case PhotoOutcome::Skipped: return PhotoStatus::Skipped;
        case PhotoOutcome::Failed: return PhotoStatus::Failed;
    }
    return PhotoStatus::Failed;
}

// The plain reason and the technical text behind it, for the row's tooltip.
std::string ReasonOf(const PhotoResult& result) {
    const std::string plain = PlainReasonOf(result);
    const std::string told = result.Shown();
    std::string reason = plain == told ? told : plain + "\n" + told;
    // What a byte limit came to: quality, size, encodes, any reduction.
    if (result.fit)
        reason += (reason.empty() ? "" : "\n") + LocalFigures::Fit(*result.fit).toStdString();
    return reason;
}

// For the log, which keeps English whatever the window's language.
std::string PhotoCount(std::size_t count) {
    return GroupedNumber(count) + (count == 1 ? " photo" : " photos");
}

}  // namespace

RunPanel::RunPanel(QProgressBar* progress, QListWidget* logLines, const std::string& logFolder,
                   Prompter& prompter, OpenPath openPath, ShowSummary showSummary, QObject* parent)
    : QObject(parent),
      progress_(progress),
      logLines_(logLines),
      prompter_(prompter),
      openPath_(std::move(openPath)),
      showSummary_(std::move(showSummary)),
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
    // Outputs next to their photos: the first photo's folder stands for them.
    if (runFolder_.empty() && !prepared.job.photos.empty())
        runFolder_ = OutputFolderOf(prepared.job.naming, prepared.job.photos.front().source.path, {});
    log_->ClearLines();
    logLines_->clear();
    if (prepared.xReset || prepared.yReset)
        emit TextPositionReset(prepared.xReset, prepared.yReset);
    if (prepared.job.photos.empty())
        return;

    job_ = std::move(prepared.job);
    job_.tellFailures = false;  // shown in the rows and in the closing box
    converted_.assign(job_.photos.size(), false);
    outputPaths_.assign(job_.photos.size(), {});
    log_->Note("Conversion started: " + runFolder_ + ", " + PhotoCount(job_.photos.size()) + "; " +
                   RunSettingsLine(job_),
               prompter_);
    progress_->setValue(0);
    Launch();
}

void RunPanel::ConvertRest() {
    if (IsRunning() || job_.photos.empty())
        return;
    const auto left = static_cast<std::size_t>(std::count(converted_.begin(), converted_.end(), false));
    log_->Note("Converting the rest: " + PhotoCount(left) + " into " + runFolder_, prompter_);
    Launch();
}

void RunPanel::Launch() {
    ConversionJob job = job_;
    job.alreadyConverted = converted_;
    failures_.clear();
    finishedThisPart_ = 0;
    notWrittenThisPart_ = 0;
    clock_.start();
    controller_ = std::make_unique<RunController>(std::move(job), prompter_, *log_);
    RunController* run = controller_.get();
    connect(run, &RunController::Progress, progress_, &QProgressBar::setValue,
            Qt::QueuedConnection);
    connect(
        run, &RunController::OutputPathFormed, this,
        [this](qsizetype index, const std::string& path) {
            if (index >= 0 && static_cast<std::size_t>(index) < outputPaths_.size())
                outputPaths_[static_cast<std::size_t>(index)] = path;
            emit PhotoStarted(static_cast<int>(index), path);
        },
        Qt::QueuedConnection);
    connect(run, &RunController::PhotoDone, this, &RunPanel::OnPhotoDone, Qt::QueuedConnection);
    connect(run, &RunController::TextPositionReset, this, &RunPanel::TextPositionReset,
            Qt::QueuedConnection);
    connect(run, &RunController::Finished, this, &RunPanel::Finished, Qt::QueuedConnection);
    emit RunningChanged(true);
    ShowProgressText();
    run->Start();
}

void RunPanel::OnPhotoDone(qsizetype index, const PhotoResult& result) {
    if (!controller_ || index < 0 || static_cast<std::size_t>(index) >= converted_.size())
        return;
    const auto at = static_cast<std::size_t>(index);
    ++finishedThisPart_;
    if (result.outcome == PhotoOutcome::Written)
        converted_[at] = true;
    else
        ++notWrittenThisPart_;
    if (result.outcome == PhotoOutcome::Failed)
        failures_.push_back({FileNameOfPath(job_.photos[at].source.path), PlainReasonOf(result),
                             result.Shown()});
    if (result.replaced)
        log_->Note("Replaced " + outputPaths_[at], prompter_);
    emit PhotoFinished(static_cast<int>(index), StatusOf(result), ReasonOf(result));
    ShowProgressText();
}

void RunPanel::ShowProgressText() {
    const std::size_t total = converted_.size();
    const std::size_t converted =
        static_cast<std::size_t>(std::count(converted_.begin(), converted_.end(), true));
    // Photos of this part that failed or were not replaced are done too.
    const std::size_t done = std::min(total, converted + notWrittenThisPart_);
    const std::size_t remaining = total - done;
    // No time is left to tell once the run is over, stopped or not.
    const std::optional<double> left =
        IsRunning() ? SecondsLeft(finishedThisPart_, static_cast<double>(clock_.elapsed()) / 1000.0,
                                  remaining)
                    : std::nullopt;
    progress_->setTextVisible(true);
    progress_->setFormat(QString::fromStdString(ProgressText(done, total, left)));
}

void RunPanel::Stop() {
    if (controller_)
        controller_->RequestStop();
}

void RunPanel::StopAndWait() {
    if (!controller_)
        return;
    controller_->RequestStop();
    controller_.reset();  // waits for the photos being converted
    log_->Note("Stopped: the window was closed during the conversion", prompter_);
    emit RunningChanged(false);
}

void RunPanel::Finished(const RunResult& result) {
    if (!controller_)
        return;  // the window stopped it while going away
    controller_.reset();
    result_ = result;
    log_->Note(RunEndLogLine(result), prompter_);
    emit RunningChanged(false);
    // A stopped run's bar stays where it stopped.
    if (!result.stopped)
        progress_->setValue(999);
    ShowProgressText();

    RunSummary summary;
    summary.caption = runFolder_;
    const std::string outcome = RunOutcomeLines(result);
    const std::string question = tr("Do you want to open the output folder?").toStdString();
    if (result.stopped)
        summary.text = outcome + "\n" + question;
    else
        summary.text = Filled(tr("The conversion is done. %1"), {question}) +
                       (outcome.empty() ? "" : "\n" + outcome);
    summary.failures = failures_;
    summary.canConvertRest = std::find(converted_.begin(), converted_.end(), false) != converted_.end();
    const RunSummaryChoice choice = showSummary_(summary, [this] { ViewLog(); });
    if (choice == RunSummaryChoice::OpenFolder)
        openPath_(runFolder_);
    emit ConversionFinished();
    if (choice == RunSummaryChoice::ConvertRest)
        ConvertRest();
}

void RunPanel::ViewLog() {
    // Opened for reading first, as the check that there is a log at all.
    QFile log(paths::ToQString(LogFilePath()));
    if (!log.open(QIODevice::ReadOnly)) {
        prompter_.Tell(tr("There is not log file now!").toStdString(), tr("Message").toStdString());
        return;
    }
    log.close();
    openPath_(LogFilePath());
}
