#include "window/GatherTask.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QWidget>
#include <QtConcurrent/QtConcurrentRun>

#include <utility>

GatherTask::GatherTask(const GatherControls& controls, QObject* parent)
    : QObject(parent), controls_(controls) {
    controls_.row->hide();
    poll_.setInterval(100);
    connect(&poll_, &QTimer::timeout, this, &GatherTask::ShowReport);
    showDelay_.setSingleShot(true);
    showDelay_.setInterval(500);
    connect(&showDelay_, &QTimer::timeout, controls_.row, &QWidget::show);
    connect(controls_.cancel, &QAbstractButton::clicked, this, &GatherTask::Cancel);
    connect(&watcher_, &QFutureWatcherBase::finished, this, &GatherTask::Finished);
}

GatherTask::~GatherTask() {
    if (!running_)
        return;
    shared_->cancel = true;
    watcher_.waitForFinished();
}

bool GatherTask::Start(GatherWork work, Done done) {
    if (running_)
        return false;
    running_ = true;
    done_ = std::move(done);
    shared_ = std::make_shared<Shared>();
    controls_.label->setText(tr("Reading photos..."));
    controls_.bar->setRange(0, 0);
    controls_.cancel->setEnabled(true);
    poll_.start();
    showDelay_.start();
    emit RunningChanged(true);
    watcher_.setFuture(QtConcurrent::run([work = std::move(work), shared = shared_] {
        return work(shared->cancel, shared->report);
    }));
    return true;
}

void GatherTask::Cancel() {
    if (!running_)
        return;
    shared_->cancel = true;
    controls_.cancel->setEnabled(false);
}

void GatherTask::ShowReport() {
    const GatherReport& report = shared_->report;
    if (report.IsSearching()) {
        controls_.bar->setRange(0, 0);  // the total is not known while searching
        controls_.label->setText(
            tr("Searching folders: %1 photo files found in %2 folders")
                .arg(QLocale().toString(qulonglong(report.Total())),
                     QLocale().toString(qulonglong(report.Done()))));
        return;
    }
    const std::size_t total = report.Total();
    if (total == 0)
        return;
    // Progress bars count in int; scale large totals down.
    const std::size_t scale = total > 1000000 ? total / 1000000 + 1 : 1;
    controls_.bar->setRange(0, static_cast<int>(total / scale));
    controls_.bar->setValue(static_cast<int>(report.Done() / scale));
    controls_.label->setText(
        tr("Reading photos: %1 of %2")
            .arg(QLocale().toString(qulonglong(report.Done())), QLocale().toString(qulonglong(total))));
}

void GatherTask::Finished() {
    poll_.stop();
    showDelay_.stop();
    controls_.row->hide();
    Done done = std::move(done_);
    done_ = nullptr;
    done(watcher_.result());
    running_ = false;
    emit RunningChanged(false);
}
