#include "run/ActivityLog.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

#include "platform/Paths.h"
#include "platform/Words.h"

namespace {

std::string EscapeControls(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F) {
            out += c;
            continue;
        }
        switch (c) {
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default: {
                static constexpr char kHex[] = "0123456789ABCDEF";
                out += "\\x";
                out += kHex[byte >> 4];
                out += kHex[byte & 0xF];
            }
        }
    }
    return out;
}

}  // namespace

ActivityLog::ActivityLog(const std::string& folder) : filePath_(paths::Join(folder, kFileName)) {}

std::string ActivityLog::FormatEntry(std::time_t when, const std::string& message) {
    std::tm local{};
    localtime_r(&when, &local);
    char stamp[64];
    const std::size_t n = std::strftime(stamp, sizeof stamp, "%Y/%m/%d %H:%M:%S ", &local);
    return std::string(stamp, n) + EscapeControls(message);
}

Status ActivityLog::AddLogLine(const std::string& message) {
    const std::string entry = FormatEntry(std::time(nullptr), message);
    // Under the lock, so that the list, the file and the callback all see
    // the entries of several workers in the same order.
    std::lock_guard lock(mutex_);
    lines_.push_back(entry);
    if (lines_.size() > kMaxLines)
        lines_.pop_front();
    Status written = AppendToFile(entry + "\n");
    if (callback_)
        callback_(entry);
    return written;
}

void ActivityLog::Note(const std::string& message, Prompter& prompter) {
    lost_.Tell(
        AddLogLine(message),
        shown::translate("Messages", "The log file could not be written; its notices are lost."),
        prompter);
}

// One open-append-close per entry, the whole line in one write, so that
// lines of other writers (another window, the command line) never interleave
// inside a line. O_NONBLOCK keeps a FIFO planted under the name from hanging
// the run.
Status ActivityLog::AppendToFile(const std::string& line) const {
    auto failed = [&](int error) {
        return Status::Failed(filePath_,
                              words::translate("Reasons", "the log could not be written"),
                              std::strerror(error));
    };
    const int fd =
        ::open(filePath_.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0644);
    if (fd < 0)
        return failed(errno);
    int error = 0;
    std::size_t done = 0;
    while (done < line.size()) {
        const ssize_t n = ::write(fd, line.data() + done, line.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = n < 0 ? errno : ENOSPC;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    if (::close(fd) != 0 && error == 0)
        error = errno;
    return error == 0 ? Status::Ok() : failed(error);
}

std::vector<std::string> ActivityLog::Lines() const {
    std::lock_guard lock(mutex_);
    return {lines_.begin(), lines_.end()};
}

void ActivityLog::ClearLines() {
    std::lock_guard lock(mutex_);
    lines_.clear();
}

void ActivityLog::SetLineAddedCallback(std::function<void(const std::string&)> callback) {
    std::lock_guard lock(mutex_);
    callback_ = std::move(callback);
}
