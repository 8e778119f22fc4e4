// Convert / Stop: the window's side of a batch run. The window describes the
// run; the core prepares it and runs it on its own threads, and its reports
// come back as queued signals, so every widget is touched on the GUI thread
// only.

#include <QFile>

#include "platform/Paths.h"
#include "run/ActivityLog.h"
#include "run/RunController.h"
#include "run/RunStart.h"
#include "window/MainDialog.h"
#include "window/PhotoListModel.h"
#include "ui_MainDialog.h"

void MainDialog::OnConvert() {
    if (m_run) {
        // Stop: the photos in hand are finished, no further one is started.
        m_run->RequestStop();
        return;
    }
    // The window's values first, so that a folder typed into the box is the
    // one this run goes to. A bad X or Y was told; the run goes on with the
    // values before.
    UpdateData(true);

    RunRequest request;
    request.outputFolder = m_outputFolder;
    request.naming = CurrentNaming();
    request.overlay = CurrentOverlay();
    request.defaults = DefaultOutputPhotoFormat;
    request.photos = m_photoList;
    PreparedRun prepared = PrepareRun(std::move(request), prompter_);
    if (!prepared.ready)
        return;
    m_runOutputFolder = prepared.job.naming.runFolder;
    log_->ClearLines();
    ui->logList->clear();
    if (prepared.xReset)
        SetTextPosition(&m_nTextX, ui->textXEdit);
    if (prepared.yReset)
        SetTextPosition(&m_nTextY, ui->textYEdit);
    if (m_nPhotoCount < 1)
        return;

    for (PhotoItem& photo : m_photoList) {
        photo.status = PhotoStatus::Waiting;
        photo.statusReason.clear();
    }
    model_->RowsChanged(0, m_nPhotoCount - 1);
    m_run = std::make_unique<RunController>(std::move(prepared.job), prompter_, *log_);
    connect(m_run.get(), &RunController::Progress, ui->progressBar, &QProgressBar::setValue,
            Qt::QueuedConnection);
    connect(m_run.get(), &RunController::OutputPathFormed, this,
            [this](qsizetype index, const std::string& path) {
                // The list stays as the run took it until the run is over.
                PhotoItem& photo = m_photoList[static_cast<std::size_t>(index)];
                photo.strOutputPath = path;
                photo.status = PhotoStatus::Converting;
                model_->RowsChanged(static_cast<int>(index), static_cast<int>(index));
            },
            Qt::QueuedConnection);
    connect(m_run.get(), &RunController::PhotoDone, this, &MainDialog::PhotoDone, Qt::QueuedConnection);
    connect(m_run.get(), &RunController::TextPositionReset, this,
            [this](bool xReset, bool yReset) {
                if (xReset)
                    SetTextPosition(&m_nTextX, ui->textXEdit);
                if (yReset)
                    SetTextPosition(&m_nTextY, ui->textYEdit);
            },
            Qt::QueuedConnection);
    connect(m_run.get(), &RunController::Finished, this, &MainDialog::RunFinished,
            Qt::QueuedConnection);
    SetRunning(true);
    ui->progressBar->setValue(0);
    m_run->Start();
}

void MainDialog::SetTextPosition(int32_t* member, QLineEdit* edit) {
    *member = 0;
    edit->setText(QStringLiteral("0"));
}

void MainDialog::SetRunning(bool running) {
    ui->convertButton->setText(running ? QStringLiteral("&Stop") : QStringLiteral("&Convert"));
    // The run works on a copy, but the list it numbers must stay as it was
    // taken until the output paths are back.
    for (QWidget* widget : {static_cast<QWidget*>(ui->addPhotosButton), static_cast<QWidget*>(ui->searchPhotosButton),
                            static_cast<QWidget*>(ui->optionsButton)})
        widget->setEnabled(!running);
    ui->applyPresetButton->setEnabled(!running && ui->presetCombo->count() > 0);
    ui->photoList->horizontalHeader()->setSectionsClickable(!running);
    EnableListCommands(m_nPhotoCount > 0);
}

void MainDialog::PhotoDone(qsizetype index, const PhotoResult& result) {
    PhotoItem& photo = m_photoList[static_cast<std::size_t>(index)];
    switch (result.outcome) {
    case PhotoOutcome::Written: photo.status = PhotoStatus::Converted; break;
    case PhotoOutcome::Skipped: photo.status = PhotoStatus::Skipped; break;
    case PhotoOutcome::Failed: photo.status = PhotoStatus::Failed; break;
    }
    photo.statusReason = result.message;
    if (!result.reason.empty())
        photo.statusReason += (photo.statusReason.empty() ? "" : "\n") + result.reason;
    model_->RowsChanged(static_cast<int>(index), static_cast<int>(index));
}

void MainDialog::RunFinished(const RunResult& result) {
    m_run.reset();
    lastRun_ = result;
    // Photos a stop left out were not waiting for anything any more.
    for (PhotoItem& photo : m_photoList)
        if (photo.status == PhotoStatus::Waiting)
            photo.status = PhotoStatus::None;
    model_->RowsChanged(0, m_nPhotoCount - 1);
    SetRunning(false);
    ui->progressBar->setValue(999);
    std::string question = "The conversion is done. Do you want to open the output folder?";
    if (const std::string outcome = RunOutcomeLines(result); !outcome.empty())
        question += "\n" + outcome;
    if (prompter_.Ask(question, m_runOutputFolder, PromptButtons::YesNo) == PromptAnswer::Yes)
        hooks_.openPath(this, prompter_, m_runOutputFolder);
    emit ConversionFinished();
}

void MainDialog::OnViewLog() {
    // Opened for reading first, as the check that there is a log at all.
    QFile log(paths::ToQString(m_logFilePath));
    if (!log.open(QIODevice::ReadOnly)) {
        prompter_.Tell("There is not log file now!", "Message");
        return;
    }
    log.close();
    hooks_.openPath(this, prompter_, m_logFilePath);
}
