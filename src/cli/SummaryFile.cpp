#include "SummaryFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "platform/DisplayLocale.h"
#include "platform/Paths.h"
#include "platform/Words.h"
#include "run/RunSummary.h"

namespace {

std::string Count(std::size_t n) {
    return DisplayLocale().toString(static_cast<qulonglong>(n)).toStdString();
}

std::string PhotoLine(const std::string& path, const std::string& reason) {
    return paths::NameOfPath(path) + ": " + reason;
}

}  // namespace

Status SummaryFile::Open(const std::string& path) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file)
        return Status::Failed(path, std::strerror(errno));
    path_ = path;
    return Status::Ok();
}

void SummaryFile::Refused(const std::vector<RefusedPath>& refused) {
    std::lock_guard lock(mutex_);
    for (const RefusedPath& path : refused)
        refused_.push_back(
            PhotoLine(path.path, path.shownReason.empty() ? path.reason : path.shownReason));
}

void SummaryFile::PhotoDone(std::size_t index, const std::string& source,
                            const PhotoResult& result) {
    if (result.outcome == PhotoOutcome::Written)
        return;
    std::lock_guard lock(mutex_);
    notConverted_[index] = PhotoLine(source, PlainReasonOf(result));
}

Status SummaryFile::Finish(const RunResult& result, const std::string& runFolder) {
    std::lock_guard lock(mutex_);
    const std::size_t total = refused_.size() + result.total;
    std::string text;
    if (result.converted == 0)
        text = shown::translate("CommandLine", "No photo was converted.");
    else if (runFolder.empty())
        text = words::Filled(shown::translate("CommandLine", "%1 of %2 photos converted"),
                             {Count(result.converted), Count(total)});
    else
        text = words::Filled(shown::translate("CommandLine", "%1 of %2 photos converted into %3"),
                             {Count(result.converted), Count(total), runFolder});
    text += "\n";
    for (const std::string& line : refused_) text += line + "\n";
    for (const auto& [index, line] : notConverted_) text += line + "\n";
    std::ofstream file(path_, std::ios::binary | std::ios::trunc);
    if (!(file << text) || !file.flush())
        return Status::Failed(path_, std::strerror(errno));
    return Status::Ok();
}
