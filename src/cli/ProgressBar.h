#pragma once
// A one-line progress bar on stderr, redrawn in place. Thread-safe.

#include <cstddef>
#include <mutex>

class ProgressBar {
public:
    // A disabled bar draws nothing (stderr is not a terminal, or --quiet).
    ProgressBar(std::size_t total, bool enabled) : total_(total), enabled_(enabled) {}

    void SetDone(std::size_t done);
    // Around a message: the line is cleared, and nothing is drawn until
    // Resume redraws it.
    void Suspend();
    void Resume();
    // Clears the line for good.
    void Finish();

private:
    void DrawLocked();
    void ClearLocked();

    std::mutex mutex_;
    const std::size_t total_;
    const bool enabled_;
    std::size_t done_ = 0;
    bool suspended_ = false;
    bool finished_ = false;
    bool drawn_ = false;
};
