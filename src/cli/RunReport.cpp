#include "RunReport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <sys/stat.h>
#include <cerrno>
#include <cstring>

#include "imaging/RotateFlip.h"
#include "platform/Paths.h"

namespace {

QJsonValue PathValue(const std::string& path) {
    return path.empty() ? QJsonValue() : QJsonValue(paths::ToQString(path));
}

std::string Line(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString() + "\n";
}

std::string PhotoLine(const std::string& source, const std::string& output, const char* status,
                      const std::string& reason, const QJsonValue& width, const QJsonValue& height,
                      const QJsonValue& bytes, const std::string& rawSource = {}) {
    QJsonObject line(
        {{"source", PathValue(source)},
         {"output", PathValue(output)},
         {"status", status},
         {"reason", reason.empty() ? QJsonValue() : QJsonValue(QString::fromStdString(reason))},
         {"width", width},
         {"height", height},
         {"bytes", bytes}});
    if (!rawSource.empty())  // a camera RAW: "preview", "half" or "full"
        line.insert("rawSource", QString::fromStdString(rawSource));
    return Line(line);
}

// A photo's line with what its byte limit came to: the quality written
// (null for a lossless output or a copy), the encodes made, whether it was
// reduced (width and height are then the reduced size) and whether the
// source was copied.
std::string WithFit(const std::string& line, const FileSizeFit& fit) {
    QJsonObject object = QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
    object["quality"] = fit.quality > 0 ? QJsonValue(fit.quality) : QJsonValue();
    object["tries"] = fit.tries;
    object["downscaled"] = fit.Downscaled();
    if (fit.Downscaled()) {
        object["width"] = fit.width;
        object["height"] = fit.height;
    }
    object["copied"] = fit.copied;
    return Line(object);
}

const char* StatusOf(PhotoOutcome outcome) {
    switch (outcome) {
        case PhotoOutcome::Written: return "converted";
        case PhotoOutcome::Skipped: return "skipped";
        case PhotoOutcome::Failed: break;
    }
    return "failed";
}

}  // namespace

RunReport::~RunReport() {
    if (file_)
        std::fclose(file_);
}

Status RunReport::Open(const std::string& path) {
    path_ = path;
    file_ = std::fopen(path.c_str(), "we");
    return file_ ? Status::Ok() : Status::Failed(path, std::strerror(errno));
}

void RunReport::WriteLocked(const std::string& line) {
    if (!file_)
        return;
    // Flushed line by line, so that a run that is cut short leaves whole lines.
    if (std::fwrite(line.data(), 1, line.size(), file_) != line.size() || std::fflush(file_) != 0)
        writeError_ = writeError_ ? writeError_ : errno;
}

void RunReport::Refused(const std::vector<RefusedPath>& refused) {
    std::lock_guard lock(mutex_);
    for (const RefusedPath& path : refused)
        WriteLocked(PhotoLine(path.path, {}, "skipped", path.reason, {}, {}, {}));
    refused_ += refused.size();
}

void RunReport::Begin(const std::vector<PhotoJob>& photos) {
    std::lock_guard lock(mutex_);
    photos_ = photos;
}

void RunReport::OutputPath(std::size_t index, const std::string& path) {
    std::lock_guard lock(mutex_);
    if (index < photos_.size())
        photos_[index].outputPath = path;
}

void RunReport::PhotoDone(std::size_t index, const PhotoResult& result) {
    std::lock_guard lock(mutex_);
    if (index >= photos_.size())
        return;
    const PhotoJob& photo = photos_[index];
    QJsonValue width, height, bytes;
    if (result.outcome == PhotoOutcome::Written) {
        const bool turned = SwapsSides(RotateFlipOfRecord(photo.settings));
        width = turned ? photo.plan.height : photo.plan.width;
        height = turned ? photo.plan.width : photo.plan.height;
        struct stat st {};
        if (::stat(photo.outputPath.c_str(), &st) == 0)
            bytes = static_cast<qint64>(st.st_size);
    }
    // A written photo's reason is a remark on how a camera RAW was developed.
    const std::string reason =
        result.outcome != PhotoOutcome::Written ? result.Told() : result.reason;
    std::string line = PhotoLine(photo.source.path, photo.outputPath, StatusOf(result.outcome),
                                 reason, width, height, bytes, result.rawSource);
    if (result.fit && result.outcome == PhotoOutcome::Written)
        line = WithFit(line, *result.fit);
    if (const auto outputs = outputLines_.find(index); outputs != outputLines_.end()) {
        QJsonObject object = QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
        QJsonArray array;
        for (const std::string& one : outputs->second)
            array.append(QJsonDocument::fromJson(QByteArray::fromStdString(one)).object());
        object["outputs"] = array;
        line = Line(object);
        outputLines_.erase(outputs);
    }
    waiting_[index] = line;
    for (auto next = waiting_.find(next_); next != waiting_.end(); next = waiting_.find(++next_)) {
        WriteLocked(next->second);
        waiting_.erase(next);
    }
}

void RunReport::SetOutputs(const std::vector<RunOutput>& outputs) {
    std::lock_guard lock(mutex_);
    outputNames_.clear();
    for (const RunOutput& output : outputs) outputNames_.push_back(output.name);
}

void RunReport::OutputDone(std::size_t index, std::size_t output, const std::string& path,
                           const PhotoResult& result) {
    std::lock_guard lock(mutex_);
    const std::string reason = result.outcome != PhotoOutcome::Written ? result.Told() : std::string();
    outputLines_[index].push_back(Line(QJsonObject(
        {{"preset", output < outputNames_.size() ? QString::fromStdString(outputNames_[output])
                                                  : QString()},
         {"output", PathValue(path)},
         {"status", StatusOf(result.outcome)},
         {"reason", reason.empty() ? QJsonValue() : QJsonValue(QString::fromStdString(reason))}})));
}

Status RunReport::Finish(const RunResult& result, int exitStatus) {
    std::lock_guard lock(mutex_);
    for (const auto& [index, line] : waiting_) WriteLocked(line);
    waiting_.clear();
    QJsonObject summary({{"summary", true},
                         {"total", static_cast<qint64>(refused_ + result.total)},
                         {"converted", static_cast<qint64>(result.converted)},
                         {"skipped", static_cast<qint64>(refused_ + result.skipped)},
                         {"failed", static_cast<qint64>(result.failed)},
                         {"notStarted", static_cast<qint64>(result.NotStarted())},
                         {"exitStatus", exitStatus}});
    if (!outputNames_.empty()) {
        QJsonObject perPreset;
        for (std::size_t k = 0; k < outputNames_.size(); ++k)
            perPreset[QString::fromStdString(outputNames_[k])] = static_cast<qint64>(
                k < result.writtenPerOutput.size() ? result.writtenPerOutput[k] : 0);
        summary["perPreset"] = perPreset;
    }
    WriteLocked(Line(summary));
    if (file_ && std::fclose(file_) != 0 && !writeError_)
        writeError_ = errno;
    file_ = nullptr;
    return writeError_ == 0 ? Status::Ok() : Status::Failed(path_, std::strerror(writeError_));
}
