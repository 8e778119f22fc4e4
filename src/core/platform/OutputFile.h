#pragma once
// An output file that appears under its name only when it is complete.

#include <string>

#include "platform/Status.h"

// What putting the finished file in place came to, when it did not fail.
enum class CommitOutcome {
    Done,    // the file stands under the final name
    Exists,  // a no-replace commit met something under the name; still pending
};

// Removes the hidden ".quillmere-PID-*.part" files in the folder whose
// process no longer runs: a writer killed between naming its file and
// putting it in place leaves one. PendingOutput does this once per folder
// and process before its first file there.
void RemoveStaleParts(const std::string& folder);

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
    // writer may add to what it wrote (libtiff does). Fails, naming the final
    // path, with the system's reason when the folder does not take a new file.
    Status Create(const std::string& finalPath);

    int Descriptor() const { return fd_; }
    Kind CreatedKind() const { return kind_; }
    // A name that reaches the pending file, for writers that open by name
    // (the unnamed file through /proc/self/fd).
    const std::string& WritablePath() const { return writablePath_; }

    // Puts the file in place. Without replace, a name that is taken (even by
    // a dangling symbolic link) is left alone: Exists, and the file stays
    // pending for another Commit. With replace, whatever stands under the
    // name is replaced in one step (a symbolic link is replaced, not
    // followed). A failure names the final path with the system's reason;
    // the pending file is gone then, the final name untouched.
    Result<CommitOutcome> Commit(bool replace);

    // Removes the pending file now.
    void Discard();

private:
    Result<CommitOutcome> CommitUnnamed(bool replace);
    Result<CommitOutcome> CommitNamed(bool replace);
    // Links the unnamed file under path; errno on failure.
    bool LinkUnnamedAs(const std::string& path) const;
    Status CloseDescriptor();
    Status Failed(int error) const;

    Kind preferred_;
    Kind kind_ = Kind::Unnamed;
    std::string finalPath_;
    std::string writablePath_;  // /proc/self/fd/N, or the named temporary file
    int fd_ = -1;
    bool pending_ = false;
};
