#pragma once
// The log of a batch conversion's notices: a bounded list of the current
// run's lines for the window, and a plain-text file that only grows.

#include <cstddef>
#include <ctime>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "platform/FirstFailure.h"
#include "platform/Prompter.h"
#include "platform/Status.h"

class ActivityLog {
public:
    static constexpr std::size_t kMaxLines = 500;
    static constexpr const char* kFileName = "Corvale.log";

    // The file is "Corvale.log" in folder. Nothing is opened here.
    explicit ActivityLog(const std::string& folder);

    // Appends "YYYY/MM/DD HH:MM:SS " + message (local time) to the list and,
    // as one whole line, to the file. Fails, naming the file, when it could
    // not be written (the line is still in the list). Safe to call from
    // several threads; the list and the file get the same order.
    Status AddLogLine(const std::string& message);
    // AddLogLine, with the first failure of this log told through the
    // prompter (the file is gone for the lines after it as well).
    void Note(const std::string& message, Prompter& prompter);

    // The last kMaxLines entries, oldest first, without line ends.
    std::vector<std::string> Lines() const;
    // Empties the list (a new run starts); the file is never emptied.
    void ClearLines();

    // Called with each new entry, on the thread that added it, after the
    // entry is in the list. May be empty. Must not call back into the log.
    void SetLineAddedCallback(std::function<void(const std::string& entry)> callback);

    const std::string& FilePath() const { return filePath_; }

    // The entry for a message written at the given time, in local time.
    // Control characters of the message (a newline in a file name) are
    // written as \n, \r, \t or \xHH, so that one entry stays one line.
    static std::string FormatEntry(std::time_t when, const std::string& message);

private:
    Status AppendToFile(const std::string& line) const;

    const std::string filePath_;
    mutable std::mutex mutex_;
    std::deque<std::string> lines_;
    std::function<void(const std::string&)> callback_;
    FirstFailure lost_;
};
