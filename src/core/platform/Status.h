#pragma once
// What an operation that can fail came to: success, or a reason that names
// what it is about (a file, a folder, a settings key) and says in plain
// words what went wrong, with the library's or the system's own text beside
// it. A Status must be looked at: dropping one is a compile warning.

#include <string>
#include <utility>

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

    bool IsOk() const { return !failed_; }
    explicit operator bool() const { return !failed_; }

    const std::string& Subject() const { return subject_; }
    const std::string& What() const { return what_; }
    const std::string& Detail() const { return detail_; }

    // "what (detail)", or what alone.
    std::string Reason() const { return detail_.empty() ? what_ : what_ + " (" + detail_ + ")"; }
    // "subject: what (detail)", for a log line or a message on stderr.
    std::string Told() const { return subject_.empty() ? Reason() : subject_ + ": " + Reason(); }

    // The same failure about another subject (a caller that knows the file).
    Status About(std::string subject) const {
        Status status = *this;
        status.subject_ = std::move(subject);
        return status;
    }

    bool operator==(const Status&) const = default;

private:
    bool failed_ = false;
    std::string subject_;
    std::string what_;
    std::string detail_;
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
