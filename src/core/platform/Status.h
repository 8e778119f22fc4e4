#pragma once
// What an operation that can fail came to: success, or a reason that names
// what it is about (a file, a folder, a settings key) and says in plain
// words what went wrong, with the library's or the system's own text beside
// it. A Status must be looked at: dropping one is a compile warning.

#include <string>
#include <utility>

#include "platform/Words.h"

class [[nodiscard]] Status {
public:
    // Success.
    Status() = default;
    static Status Ok() { return {}; }
    // A failure about subject (a path or a key; may be empty when the
    // caller names it), what went wrong in plain words, and the technical
    // text behind it when there is one.
    static Status Failed(std::string subject, std::string what, std::string detail = {}) {
        Status status;
        status.failed_ = true;
        status.subject_ = std::move(subject);
        status.what_ = std::move(what);
        status.detail_ = std::move(detail);
        return status;
    }
    // The same with what worded in English and as shown (platform/Words.h).
    static Status Failed(std::string subject, Words what, std::string detail = {}) {
        Status status = Failed(std::move(subject), what.english, std::move(detail));
        if (what.shown != what.english)
            status.shownWhat_ = std::move(what.shown);
        return status;
    }
    // The same about a subject that is itself worded (a setting described
    // in words rather than a path).
    static Status FailedAbout(Words subject, Words what, std::string detail = {}) {
        Status status = Failed(std::move(subject.english), std::move(what), std::move(detail));
        if (subject.shown != status.subject_)
            status.shownSubject_ = std::move(subject.shown);
        return status;
    }

    bool IsOk() const { return !failed_; }
    explicit operator bool() const { return !failed_; }

    const std::string& Subject() const { return subject_; }
    // The subject as the user reads it.
    const std::string& ShownSubject() const {
        return shownSubject_.empty() ? subject_ : shownSubject_;
    }
    const std::string& What() const { return what_; }
    const std::string& Detail() const { return detail_; }

    // "what (detail)", or what alone.
    std::string Reason() const { return detail_.empty() ? what_ : what_ + " (" + detail_ + ")"; }
    // "subject: what (detail)", in English: for a log line or a report.
    std::string Told() const { return subject_.empty() ? Reason() : subject_ + ": " + Reason(); }
    // What went wrong as the user reads it: in the user's language where it
    // was worded with Words, else as what.
    const std::string& ShownWhat() const { return shownWhat_.empty() ? what_ : shownWhat_; }
    // Reason() and Told() as the user reads them, for the window and the terminal.
    std::string ShownReason() const {
        return detail_.empty() ? ShownWhat() : ShownWhat() + " (" + detail_ + ")";
    }
    std::string Shown() const {
        return ShownSubject().empty() ? ShownReason() : ShownSubject() + ": " + ShownReason();
    }

    // The same failure about another subject (a caller that knows the file).
    Status About(std::string subject) const {
        Status status = *this;
        status.subject_ = std::move(subject);
        status.shownSubject_.clear();
        return status;
    }
    Status About(Words subject) const {
        Status status = About(std::move(subject.english));
        if (subject.shown != status.subject_)
            status.shownSubject_ = std::move(subject.shown);
        return status;
    }

    bool operator==(const Status&) const = default;

private:
    bool failed_ = false;
    std::string subject_;
    std::string what_;
    std::string detail_;
    std::string shownWhat_;     // empty: as what_
    std::string shownSubject_;  // empty: as subject_
};

// A value, or the Status of why there is none.
template <class T>
class [[nodiscard]] Result {
public:
    Result(T value) : value_(std::move(value)) {}  // NOLINT: a value is a success
    Result(Status failure) : status_(std::move(failure)) {}  // NOLINT: a failure converts

    bool IsOk() const { return status_.IsOk(); }
    explicit operator bool() const { return status_.IsOk(); }
    const Status& GetStatus() const { return status_; }

    // Only on success.
    T& Value() & { return value_; }
    const T& Value() const& { return value_; }
    T&& Value() && { return std::move(value_); }

private:
    T value_{};
    Status status_;
};
