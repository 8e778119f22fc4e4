#pragma once
// Runs the gathering of photos on a worker thread while the window shows a
// progress dialog with Cancel, so that large folders never freeze it. The
// caller waits (in a local event loop) and gets the photos in order.

#include <QString>

#include <atomic>
#include <cstddef>
#include <functional>
#include <vector>

#include "model/PhotoItem.h"

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
// once cancel is true.
using GatherWork =
    std::function<std::vector<PhotoItem>(const std::atomic<bool>& cancel, GatherReport& report)>;

// Runs work off the GUI thread and returns its photos. The progress dialog
// (window-modal on parent, titled title) appears only when the work takes
// more than a moment. Cancel keeps the photos read so far.
std::vector<PhotoItem> RunGatherWithProgress(QWidget* parent, const QString& title, GatherWork work);
