#include "gather/PhotoInfo.h"

#include <QString>

#include <cerrno>
#include <cstdio>
#include <ctime>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "imaging/ImageProbe.h"
#include "model/OutputGeometry.h"
#include "platform/Paths.h"
#include "platform/Words.h"

namespace {

// The reason a file could not be opened, in the words users know from
// desktop programs; %1 stands for the path.
std::string OpenFailureText(int error) {
    switch (error) {
        case EACCES:
        case EPERM: return shown::translate("Messages", "Access to %1 was denied.");
        case ENOENT: return shown::translate("Messages", "%1 was not found.");
        case ENOTDIR:
        case ENAMETOOLONG:
        case ELOOP: return shown::translate("Messages", "%1 contains an invalid path.");
        case EMFILE:
        case ENFILE:
            return shown::translate(
                "Messages", "%1 could not be opened because there are too many open files.");
        case EIO:
            return shown::translate("Messages",
                                    "A hardware I/O error was reported while accessing %1.");
        case EBUSY:
        case ETXTBSY:
            return shown::translate("Messages", "A sharing violation occurred while accessing %1.");
        default:
            return shown::translate("Messages", "An unknown error occurred while accessing %1.");
    }
}

std::string FillIn(const std::string& pattern, const std::string& marker,
                   const std::string& value) {
    std::string text = pattern;
    if (size_t at = text.find(marker); at != std::string::npos)
        text.replace(at, marker.size(), value);
    return text;
}

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

}  // namespace

std::string PathForMessage(const std::string& path) {
    return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()))
        .toUtf8()
        .toStdString();
}

std::string FormatFileTime(int64_t timeModified) {
    const time_t value = static_cast<time_t>(timeModified);
    struct tm local {};
    if (!localtime_r(&value, &local))
        return {};
    // Enough for any int year; the text itself is 19 characters.
    char text[64];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return text;
}

bool GetFileTimeText(const std::string& path, std::string& timeText, int64_t& timeModified,
                     Prompter& prompter) {
    // Non-blocking: opening a FIFO for reading would otherwise wait for a
    // writer. Nothing is read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        prompter.Tell(FillIn(OpenFailureText(error), "%1", PathForMessage(path)), path,
                      PromptIcon::Exclamation);
        return false;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        prompter.Tell(FillIn(shown::translate("Messages", "Failed file.GetStatus from %1"), "%1",
                             PathForMessage(path)),
                      path, PromptIcon::Exclamation);
        ::close(fd);
        return false;
    }
    ::close(fd);
    std::string text = FormatFileTime(status.st_mtime);
    if (text.empty())
        return false;  // a time outside the calendar: the photo just has none
    timeText = std::move(text);
    timeModified = static_cast<int64_t>(status.st_mtime);
    return true;
}

std::string FileNameOfPath(const std::string& path) {
    // A URL-like path keeps its whole text as the name ("http://...").
    for (size_t colon : {size_t{3}, size_t{4}}) {
        if (path.size() > colon && path[colon] == ':') {
            bool scheme = true;
            for (size_t i = 0; i < colon; ++i) scheme = scheme && IsAsciiLetter(path[i]);
            if (scheme)
                return path;
        }
    }
    return paths::NameOfPath(path);
}

bool LoadPhotoInfoWithFacts(const std::string& path, const PictureFacts& facts, PhotoItem& item,
                            const OutputPhotoFormat& defaults, Prompter& prompter) {
    const int32_t width = facts.width;
    const int32_t height = facts.height;
    item.strSourcePath = path;
    // A photo whose time cannot be read still goes on, without a time.
    GetFileTimeText(path, item.strTime, item.timeModified, prompter);
    item.strFileName = FileNameOfPath(path);
    item.nWidth = width;
    item.nHeight = height;
    item.strSourceFormat = facts.format;
    item.timeTaken = facts.timeTaken;
    if (width <= 0 || height <= 0)
        return false;
    item.m_outputPhotoFormat = defaults;
    PlanPhotoOutput(item, prompter);
    return true;
}

bool LoadPhotoInfo(const std::string& path, PhotoItem& item, const OutputPhotoFormat& defaults,
                   Prompter& prompter) {
    // A file that is not a picture is 0 x 0, and refused as such.
    Result<PictureFacts> probed = ProbePicture(path);
    const PictureFacts facts = probed ? std::move(probed).Value() : PictureFacts{};
    return LoadPhotoInfoWithFacts(path, facts, item, defaults, prompter);
}
