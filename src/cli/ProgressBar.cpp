#include "ProgressBar.h"

#include <cstdio>
#include <string>

namespace {
constexpr std::size_t kBarWidth = 30;
}

void ProgressBar::SetDone(std::size_t done) {
    std::lock_guard lock(mutex_);
    done_ = done;
    DrawLocked();
}

void ProgressBar::Suspend() {
    std::lock_guard lock(mutex_);
    ClearLocked();
    suspended_ = true;
}

void ProgressBar::Resume() {
    std::lock_guard lock(mutex_);
    suspended_ = false;
    DrawLocked();
}

void ProgressBar::Finish() {
    std::lock_guard lock(mutex_);
    ClearLocked();
    finished_ = true;
}

void ProgressBar::DrawLocked() {
    if (!enabled_ || suspended_ || finished_ || total_ == 0)
        return;
    const std::size_t filled = done_ * kBarWidth / total_;
    const std::size_t percent = done_ * 100 / total_;
    std::string line = "\r[" + std::string(filled, '#') + std::string(kBarWidth - filled, ' ') +
                       "] " + std::to_string(percent) + "% " + std::to_string(done_) + "/" +
                       std::to_string(total_);
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
    drawn_ = true;
}

void ProgressBar::ClearLocked() {
    if (!drawn_)
        return;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    drawn_ = false;
}
