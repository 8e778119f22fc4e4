// Convert / Stop: the window's side of a batch run. The window describes the
// run; the core prepares it and runs it on its own threads, and its reports
// come back as queued signals, so every widget is touched on the GUI thread
// only.

#include <QFile>

#include "convert/ActivityLog.h"
#include "convert/RunController.h"
#include "convert/RunStart.h"
#include "photolist/MainDialog.h"
#include "photolist/PhotoListModel.h"
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
    request.naming.prefix = m_batch_renamer;
    request.naming.notRename = m_bNotRename != 0;
    request.naming.date = m_nNamingDate;
    request.overlay.text = ui->overlayTextEdit->text().toStdString();
    request.overlay.x = m_nTextX;
    request.overlay.y = m_nTextY;
    request.overlay.font = m_textFont;
    request.overlay.color = m_textColor;
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

    m_run = std::make_unique<RunController>(std::move(prepared.job), prompter_, *log_);
    connect(m_run.get(), &RunController::Progress, ui->progressBar, &QProgressBar::setValue,
            Qt::QueuedConnection);
    connect(m_run.get(), &RunController::OutputPathFormed, this,
            [this](qsizetype index, const std::string& path) {
                // The list stays as the run took it until the run is over.
                m_photoList[static_cast<std::size_t>(index)].strOutputPath = path;
            },
            Qt::QueuedConnection);
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
    ui->convertButton->setText(running ? QStringLiteral("Stop") : QStringLiteral("Convert"));
    // The run works on a copy, but the list it numbers must stay as it was
    // taken until the output paths are back.
    for (QWidget* widget : {static_cast<QWidget*>(ui->addPhotosButton), static_cast<QWidget*>(ui->searchPhotosButton),
                            static_cast<QWidget*>(ui->optionsButton)})
        widget->setEnabled(!running);
    ui->photoList->horizontalHeader()->setSectionsClickable(!running);
    EnableListCommands(m_nPhotoCount > 0);
}

void MainDialog::RunFinished(const RunResult& result) {
    m_run.reset();
    lastRun_ = result;
    SetRunning(false);
    ui->progressBar->setValue(999);
    if (prompter_.Ask("The conversion is done. Do you want to open the output folder?", m_runOutputFolder,
                      PromptButtons::YesNo) == PromptAnswer::Yes)
        hooks_.openFolder(m_runOutputFolder);
    emit ConversionFinished();
}
