#include "window/GatherProgress.h"

#include <QEventLoop>
#include <QFutureWatcher>
#include <QProgressDialog>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

namespace {

void ShowReport(QProgressDialog& dialog, const GatherReport& report) {
    if (report.IsSearching()) {
        dialog.setRange(0, 0);  // the total is not known while searching
        dialog.setLabelText(QStringLiteral("Searching folders: %1 photo files found in %2 folders")
                                .arg(report.Total())
                                .arg(report.Done()));
        return;
    }
    const std::size_t total = report.Total();
    if (total == 0)
        return;
    // Progress bars count in int; scale large totals down.
    const int scale = total > 1000000 ? static_cast<int>(total / 1000000 + 1) : 1;
    dialog.setRange(0, static_cast<int>(total / scale));
    dialog.setValue(static_cast<int>(report.Done() / scale));
    dialog.setLabelText(QStringLiteral("Reading photos: %1 of %2").arg(report.Done()).arg(total));
}

}  // namespace

std::vector<PhotoItem> RunGatherWithProgress(QWidget* parent, const QString& title, GatherWork work) {
    std::atomic<bool> cancel{false};
    GatherReport report;

    QProgressDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setLabelText(QStringLiteral("Reading photos..."));
    dialog.setCancelButtonText(QStringLiteral("Cancel"));
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setMinimumDuration(500);
    dialog.setMinimumWidth(360);
    dialog.setRange(0, 0);
    dialog.setValue(0);  // starts the dialog's own timer for minimumDuration
    QObject::connect(&dialog, &QProgressDialog::canceled, [&cancel] { cancel = true; });

    QFutureWatcher<std::vector<PhotoItem>> watcher;
    QEventLoop loop;
    QObject::connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
    QTimer poll;
    poll.setInterval(100);
    QObject::connect(&poll, &QTimer::timeout, &dialog, [&] { ShowReport(dialog, report); });
    poll.start();

    watcher.setFuture(QtConcurrent::run([&work, &cancel, &report] { return work(cancel, report); }));
    if (!watcher.isFinished())
        loop.exec();
    poll.stop();
    dialog.reset();
    return watcher.result();
}
