#pragma once
// A source photo's file, open for the imaging layer to read. For the imaging
// layer's own files only.

#include <string>

// The file at path, opened read-only without blocking, so that a FIFO is
// refused instead of waited on; closed with the object. Not copyable.
class SourceFile {
public:
    explicit SourceFile(const std::string& path);
    ~SourceFile();
    SourceFile(const SourceFile&) = delete;
    SourceFile& operator=(const SourceFile&) = delete;

    int Descriptor() const { return fd_; }
    // True for an open regular file; otherwise false, with the system's
    // reason (or "not a regular file") in reason when given.
    bool IsRegular(std::string* reason = nullptr) const;

private:
    int fd_ = -1;
    int error_ = 0;  // errno of the failed open or fstat
    bool regular_ = false;
};
