#pragma once
// One gathering of photos at a time, on a worker thread: the window goes on
// (no event loop of its own, no dialog) while a row of the window shows
// what is being done, with Cancel. The photos are handed over in order once
// the work has ended.

#include <QFutureWatcher>
#include <QObject>
#include <QTimer>

#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "model/PhotoItem.h"

class QAbstractButton;
class QLabel;
class QProgressBar;
class QWidget;

// What the work reports while it runs; safe to call from the worker.
class GatherReport {
public:
    // Searching folders: folders listed and files found so far.
    void Searching(std::size_t folders, std::size_t found) {
        searching_ = true;
        done_ = folders;
        total_ = found;
    }
    // Reading photos: candidates done of their total.
    void Reading(std::size_t done, std::size_t total) {
        searching_ = false;
        done_ = done;
        total_ = total;
    }

    bool IsSearching() const { return searching_; }
    std::size_t Done() const { return done_; }
    std::size_t Total() const { return total_; }

private:
    std::atomic<bool> searching_{false};
    std::atomic<std::size_t> done_{0};
    std::atomic<std::size_t> total_{0};
};

// The work: its photos in order. It stops early, keeping what it has made,
// once cancel is true. It runs on a worker, so it owns what it reads.
using GatherWork =
    std::function<std::vector<PhotoItem>(const std::atomic<bool>& cancel, GatherReport& report)>;

// The row that shows a gathering: hidden while none runs.
struct GatherControls {
    QWidget* row;
    QLabel* label;
    QProgressBar* bar;
    QAbstractButton* cancel;
};

class GatherTask : public QObject {
    Q_OBJECT
public:
    // The photos of a finished work, on the thread that started it.
    using Done = std::function<void(std::vector<PhotoItem> photos)>;

    explicit GatherTask(const GatherControls& controls, QObject* parent = nullptr);
    // Cancels a work still running and waits for it.
    ~GatherTask() override;

    bool IsRunning() const { return running_; }

    // Starts work; done gets its photos when it has ended (after a Cancel:
    // the photos read so far). Nothing starts while another work runs.
    bool Start(GatherWork work, Done done);
    // The work stops after the file or folder being read.
    void Cancel();

signals:
    void RunningChanged(bool running);

private:
    struct Shared {
        std::atomic<bool> cancel{false};
        GatherReport report;
    };

    void ShowReport();
    void Finished();

    GatherControls controls_;
    QFutureWatcher<std::vector<PhotoItem>> watcher_;
    std::shared_ptr<Shared> shared_;
    QTimer poll_;       // the row follows the report
    QTimer showDelay_;  // a short gathering shows no row
    Done done_;
    bool running_ = false;
};
