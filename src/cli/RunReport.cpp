#include "RunReport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <sys/stat.h>
#include <cerrno>
#include <cstdio>
#include <utility>
#include <cstring>

#include "imaging/RotateFlip.h"
#include "platform/Paths.h"

namespace {

// Stand-ins for a path that is not UTF-8, put in its place once the line is
// made (WithRawPaths): JSON text cannot carry such bytes as they are.
constexpr const char* kRawSource = "\x01raw-source\x01";
constexpr const char* kRawOutput = "\x01raw-output\x01";

bool IsUtf8(const std::string& bytes) {
    const QByteArray raw = QByteArray::fromStdString(bytes);
    return QString::fromUtf8(raw).toUtf8() == raw;
}

QJsonValue PathValue(const std::string& path, const char* standIn) {
    if (path.empty())
        return QJsonValue();
    return IsUtf8(path) ? QJsonValue(paths::ToQString(path)) : QJsonValue(standIn);
}

// The length of the well-formed UTF-8 sequence at bytes[at], 0 for none.
std::size_t Utf8Length(const std::string& bytes, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2
                               : lead >= 0xE0 && lead < 0xF0              ? 3
                               : lead >= 0xF0 && lead < 0xF5              ? 4
                                                                          : 0;
    if (length == 0 || at + length > bytes.size())
        return 0;
    uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
        code = code << 6 | (byte(at + i) & 0x3F);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    const bool surrogate = code >= 0xD800 && code < 0xE000;
    return overlong || surrogate || code > 0x10FFFF ? 0 : length;
}

// A JSON string of path's bytes: UTF-8 as it is, every other byte as the
// lone surrogate U+DC80 + byte ("\udce9" for 0xE9), the escape that Python
// reads back with os.fsencode, so that the bytes are all kept.
std::string JsonRawPath(const std::string& path) {
    std::string text = "\"";
    char escape[8];
    for (std::size_t at = 0; at < path.size();) {
        const std::size_t length = Utf8Length(path, at);
        const unsigned char c = static_cast<unsigned char>(path[at]);
        if (length == 0) {
            std::snprintf(escape, sizeof escape, "\\udc%02x", c);
            text += escape;
            ++at;
        } else if (c == '"' || c == '\\') {
            text += '\\';
            text += path[at++];
        } else if (c < 0x20) {
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            text += escape;
            ++at;
        } else {
            text.append(path, at, length);
            at += length;
        }
    }
    return text + "\"";
}

// The line with the stand-in (as JSON writes it) replaced by the path's bytes.
std::string WithRawPath(std::string line, const std::string& standIn, const std::string& path) {
    const std::string quoted = QJsonDocument(QJsonArray{QString::fromLatin1(standIn.c_str())})
                                   .toJson(QJsonDocument::Compact)
                                   .toStdString();
    const std::string token = quoted.substr(1, quoted.size() - 2);  // without [ ]
    if (const std::size_t at = line.find(token); at != std::string::npos)
        line.replace(at, token.size(), JsonRawPath(path));
    return line;
}

// The line with the stand-ins of PathValue replaced by the paths' bytes.
std::string WithRawPaths(std::string line, const std::string& source, const std::string& output) {
    return WithRawPath(WithRawPath(std::move(line), kRawSource, source), kRawOutput, output);
}

// The stand-in of the k-th output's path within a photo's line.
std::string RawOutputOf(std::size_t k) {
    return "\x01raw-output-" + std::to_string(k) + "\x01";
}

std::string Line(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString() + "\n";
}

std::string PhotoLine(const std::string& source, const std::string& output, const char* status,
                      const std::string& reason, const QJsonValue& width, const QJsonValue& height,
                      const QJsonValue& bytes, const std::string& rawSource = {}) {
    QJsonObject line(
        {{"source", PathValue(source, kRawSource)},
         {"output", PathValue(output, kRawOutput)},
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
    for (const RefusedPath& path : refused) {
        WriteLocked(WithRawPaths(PhotoLine(path.path, {}, path.failed ? "failed" : "skipped",
                                           path.reason, {}, {}, {}),
                                 path.path, {}));
        ++(path.failed ? refusedFailed_ : refused_);
    }
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
    line = WithRawPaths(line, photo.source.path, photo.outputPath);
    if (const auto raw = outputRawPaths_.find(index); raw != outputRawPaths_.end()) {
        for (const auto& [standIn, path] : raw->second)
            line = WithRawPath(line, standIn, path);
        outputRawPaths_.erase(raw);
    }
    waiting_[index] = std::move(line);
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
    std::vector<std::string>& lines = outputLines_[index];
    // A name that is not UTF-8 is written byte for byte, as the photo's own
    // paths are, once the photo's line is made (PhotoDone).
    const std::string standIn = RawOutputOf(lines.size());
    if (!path.empty() && !IsUtf8(path))
        outputRawPaths_[index].emplace_back(standIn, path);
    lines.push_back(Line(QJsonObject(
        {{"preset", output < outputNames_.size() ? QString::fromStdString(outputNames_[output])
                                                  : QString()},
         {"output", path.empty() ? QJsonValue() : PathValue(path, standIn.c_str())},
         {"status", StatusOf(result.outcome)},
         {"reason", reason.empty() ? QJsonValue() : QJsonValue(QString::fromStdString(reason))}})));
}

Status RunReport::Finish(const RunResult& result, int exitStatus) {
    std::lock_guard lock(mutex_);
    // Every photo has its line, in list order: one a stop left untouched
    // says so.
    for (; next_ < photos_.size(); ++next_) {
        const auto done = waiting_.find(next_);
        WriteLocked(done != waiting_.end()
                        ? done->second
                        : WithRawPaths(PhotoLine(photos_[next_].source.path, {}, "not-started",
                                                 "the run was stopped before it", {}, {}, {}),
                                       photos_[next_].source.path, {}));
    }
    waiting_.clear();
    QJsonObject summary({{"summary", true},
                         {"total", static_cast<qint64>(refused_ + refusedFailed_ + result.total)},
                         {"converted", static_cast<qint64>(result.converted)},
                         {"skipped", static_cast<qint64>(refused_ + result.skipped)},
                         {"failed", static_cast<qint64>(refusedFailed_ + result.failed)},
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
