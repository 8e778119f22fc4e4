#pragma once
// libvips' errors and warnings, as the thread that asked for the work saw
// them. libvips keeps one error buffer for the whole process, which every
// thread writes and any may clear: a photo's reason read from it could be
// another photo's, or gone. Instead each message is copied, as libvips
// raises it, into the collector open on the raising thread; a thread of
// libvips' own pool counts as the thread whose work it does. The shared
// buffer is never read or cleared. For the imaging layer's own files only.

#include <mutex>
#include <string>
#include <vector>

// Opened on a thread around the libvips calls of one task; the messages
// libvips raises for them until it ends. An inner collector takes the
// messages until it ends, so that a failure handled inside (one loader
// tried before another) leaves no trace in the outer one. Construct and
// destroy on one thread; the messages may be read at any time.
class ImagingMessages {
public:
    ImagingMessages();
    ~ImagingMessages();
    ImagingMessages(const ImagingMessages&) = delete;
    ImagingMessages& operator=(const ImagingMessages&) = delete;

    // The errors, one line ("a; b" for several, each kept once);
    // "unknown imaging error" when libvips failed without a word.
    std::string ErrorText() const;
    // The errors as raised, one entry each, in order.
    std::vector<std::string> Errors() const;
    // The warnings, one entry each, in order (loaders report damage they
    // recovered from this way).
    std::vector<std::string> Warnings() const;

    // For the capture itself: adds a message raised for this collector.
    void AddError(std::string line);
    void AddWarning(std::string line);

    // The collector messages raised on this thread go to now; null for none.
    static ImagingMessages* Current();

    // Makes collector the current one of this thread while it lives: what a
    // thread doing another thread's work runs under.
    class OnBehalf {
    public:
        explicit OnBehalf(ImagingMessages* collector);
        ~OnBehalf();
        OnBehalf(const OnBehalf&) = delete;
        OnBehalf& operator=(const OnBehalf&) = delete;

    private:
        ImagingMessages* outer_;
    };

private:
    mutable std::mutex mutex_;
    std::vector<std::string> errors_;
    std::vector<std::string> warnings_;
    ImagingMessages* outer_;
};
