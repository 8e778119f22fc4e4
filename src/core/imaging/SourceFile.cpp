#include "imaging/SourceFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/Words.h"

SourceFile::SourceFile(const std::string& path)
    : path_(path), fd_(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) {
    struct stat st {};
    if (fd_ < 0 || fstat(fd_, &st) != 0)
        error_ = errno;
    else
        regular_ = S_ISREG(st.st_mode);
}

SourceFile::~SourceFile() {
    if (fd_ >= 0)
        close(fd_);
}

Status SourceFile::Regular() const {
    if (regular_)
        return Status::Ok();
    if (error_ != 0)
        return Status::Failed(path_, std::strerror(error_));
    return Status::Failed(path_, words::translate("Reasons", "not a regular file"));
}
