#pragma once
// An output file that appears under its name only when it is complete.

#include <string>


// A new, uniquely named file in the folder of the final path. Commit renames
// it onto the final path, replacing whatever stands there (a symbolic link
// is replaced, not followed); without a successful Commit the file is
// removed. Not copyable.
class PendingOutput {
public:
    PendingOutput() = default;
    ~PendingOutput();
    PendingOutput(const PendingOutput&) = delete;
    PendingOutput& operator=(const PendingOutput&) = delete;

    // Creates the file (mode 0666 less the umask). False, with the system's
    // reason in reason when given, when the folder does not take a new file.
    bool Create(const std::string& finalPath, std::string* reason = nullptr);

    int Descriptor() const { return fd_; }
    const std::string& TemporaryPath() const { return tempPath_; }

    // Closes the descriptor for writers that open the file by name; the
    // close error, if any, fails the Commit.
    void CloseDescriptor();

    // Closes the file and puts it in place. False on any error, with the
    // reason in reason when given; the temporary file is then gone and the
    // final path untouched.
    bool Commit(std::string* reason = nullptr);

    // Removes the temporary file now.
    void Discard();

private:
    std::string finalPath_;
    std::string tempPath_;
    int fd_ = -1;
    bool closeFailed_ = false;
    int closeError_ = 0;
};
