// Convert / Stop: the window's side of a batch run. The run gets a copy of
// everything it needs; its reports come back as queued calls, so every
// widget is touched on the GUI thread only.

#include <QFile>

#include <ctime>

#include "convert/ActivityLog.h"
#include "convert/ConversionRun.h"
#include "convert/OutputGeometry.h"
#include "convert/RunNaming.h"
#include "photolist/MainDialog.h"
#include "photolist/PhotoListModel.h"
#include "ui_MainDialog.h"

void MainDialog::OnConvert() {
    if (m_run) {
        // Stop: the photos in hand are finished, no further one is started.
        m_run->RequestStop();
        return;
    }
    // The run folder comes from the folder taken before this press; what was
    // typed since is used from the next run on.
    m_runOutputFolder = MakeRunFolderPath(m_outputFolder, std::time(nullptr));
    if (!CreateRunFolder(m_runOutputFolder, prompter_))
        return;
    log_->ClearLines();
    ui->logList->clear();
    UpdateData(true);  // a bad X or Y was told; the run goes on with the values before

    const TextPositionCheck position =
        CheckTextPosition(ui->textXEdit->text().toStdString(), ui->textYEdit->text().toStdString(),
                          DefaultOutputPhotoFormat.nOutputWidth, DefaultOutputPhotoFormat.nOutputHeight, prompter_);
    if (position.xReset)
        ui->textXEdit->setText(QStringLiteral("0"));
    if (position.yReset)
        ui->textYEdit->setText(QStringLiteral("0"));
    if (m_nPhotoCount < 1)
        return;

    ConversionJob job;
    job.photos = m_photoList;
    job.runFolder = m_runOutputFolder;
    job.prefix = m_batch_renamer;
    job.notRename = m_bNotRename != 0;
    job.overlayText = ui->overlayTextEdit->text().toStdString();
    job.xText = ui->textXEdit->text().toStdString();
    job.yText = ui->textYEdit->text().toStdString();
    job.font = m_textFont;
    job.color = m_textColor;

    // The callbacks run on the run's threads: hand everything to this thread.
    RunCallbacks callbacks;
    callbacks.progress = [this](int position) {
        QMetaObject::invokeMethod(this, [this, position] { ui->progressBar->setValue(position); },
                                  Qt::QueuedConnection);
    };
    callbacks.outputPath = [this](std::size_t index, const std::string& path) {
        QMetaObject::invokeMethod(this, [this, index, path] {
            if (index < m_photoList.size())
                m_photoList[index].strOutputPath = path;
        }, Qt::QueuedConnection);
    };
    callbacks.textPositionReset = [this](bool xReset, bool yReset) {
        QMetaObject::invokeMethod(this, [this, xReset, yReset] {
            if (xReset)
                ui->textXEdit->setText(QStringLiteral("0"));
            if (yReset)
                ui->textYEdit->setText(QStringLiteral("0"));
        }, Qt::QueuedConnection);
    };
    callbacks.finished = [this](const RunResult& result) {
        QMetaObject::invokeMethod(this, [this, result] { RunFinished(result); }, Qt::QueuedConnection);
    };

    m_run = std::make_unique<ConversionRun>(std::move(job), prompter_, *log_, std::move(callbacks));
    SetRunning(true);
    ui->progressBar->setValue(0);
    m_run->Start();
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

void MainDialog::RunFinished(const RunResult&) {
    // The finished callback may still be returning on the run's thread; the
    // destructor waits for it.
    m_run.reset();
    SetRunning(false);
    ui->progressBar->setValue(999);
    if (prompter_.Ask("The conversion is done. Do you want to open the output folder?", m_runOutputFolder,
                      PromptButtons::YesNo) == PromptAnswer::Yes)
        hooks_.openFolder(m_runOutputFolder);
    emit ConversionFinished();
}
