#pragma once
// An output file that appears under its name only when it is complete.

#include <string>

// What putting the finished file in place came to.
enum class CommitOutcome {
    Done,    // the file stands under the final name
    Exists,  // a no-replace commit met something under the name; still pending
    Failed,  // the pending file is gone, the final name untouched
};

// A new file in the folder of the final path: unnamed (O_TMPFILE), so that
// nothing is left of it when the process dies, or, where the file system
// has no unnamed files (or /proc is missing), a hidden ".quillmere-*.part"
// file. Commit gives it the final name; without a successful Commit it is
// removed. Not copyable.
class PendingOutput {
public:
    enum class Kind { Unnamed, Named };

    // Named: always the hidden named file (what file systems without
    // unnamed files get).
    explicit PendingOutput(Kind preferred = Kind::Unnamed) : preferred_(preferred) {}
    ~PendingOutput();
    PendingOutput(const PendingOutput&) = delete;
    PendingOutput& operator=(const PendingOutput&) = delete;

    // Creates the file (mode 0666 less the umask), open for reading too: a
    // writer may add to what it wrote (libtiff does). False, with the system's
    // reason in reason when given, when the folder does not take a new file.
    bool Create(const std::string& finalPath, std::string* reason = nullptr);

    int Descriptor() const { return fd_; }
    Kind CreatedKind() const { return kind_; }
    // A name that reaches the pending file, for writers that open by name
    // (the unnamed file through /proc/self/fd).
    const std::string& WritablePath() const { return writablePath_; }

    // Puts the file in place. Without replace, a name that is taken (even by
    // a dangling symbolic link) is left alone: Exists, and the file stays
    // pending for another Commit. With replace, whatever stands under the
    // name is replaced in one step (a symbolic link is replaced, not
    // followed). Failed carries the system's reason in reason when given.
    CommitOutcome Commit(bool replace, std::string* reason = nullptr);

    // Removes the pending file now.
    void Discard();

private:
    CommitOutcome CommitUnnamed(bool replace, std::string* reason);
    CommitOutcome CommitNamed(bool replace, std::string* reason);
    // Links the unnamed file under path; errno on failure.
    bool LinkUnnamedAs(const std::string& path) const;
    bool CloseDescriptor(std::string* reason);

    Kind preferred_;
    Kind kind_ = Kind::Unnamed;
    std::string finalPath_;
    std::string writablePath_;  // /proc/self/fd/N, or the named temporary file
    int fd_ = -1;
    bool pending_ = false;
};
