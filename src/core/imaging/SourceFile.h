#pragma once
// A source photo's file, open for the imaging layer to read. For the imaging
// layer's own files only.

#include <string>

#include "platform/Status.h"

// The file at path, opened read-only without blocking, so that a FIFO is
// refused instead of waited on; closed with the object. Not copyable.
class SourceFile {
public:
    explicit SourceFile(const std::string& path);
    ~SourceFile();
    SourceFile(const SourceFile&) = delete;
    SourceFile& operator=(const SourceFile&) = delete;

    int Descriptor() const { return fd_; }
    // Success for an open regular file; otherwise a failure naming the path
    // with the system's reason, or "not a regular file".
    Status Regular() const;

private:
    std::string path_;
    int fd_ = -1;
    int error_ = 0;  // errno of the failed open or fstat
    bool regular_ = false;
};
