#pragma once
// The --report file: one JSON object per line. First one for each named
// path that gave no photo, then one per photo of the run in list order (each
// written as soon as it and the photos before it are done, so that a run
// cut short leaves whole lines), last a summary:
//   {"source", "output", "status": "converted"|"skipped"|"failed"|"not-started", "reason",
//    (a path's bytes that are not UTF-8 written as lone surrogates, "\udce9"
//    for the byte 0xE9, as Python's surrogateescape has them: nothing lost)
//    "width", "height", "bytes"}   (null where there is no file or reason)
//   with a byte limit (--max-file-size), a written photo's line also has
//   "quality" (null: lossless or copied), "tries" (encodes made),
//   "downscaled" (true: made smaller to fit; width and height say to what)
//   and "copied" (the source itself, already small enough)
//   {"summary": true, "total", "converted", "skipped", "failed",
//    "notStarted", "exitStatus"}
// With several outputs (--outputs), a photo's line also has "outputs": one
// {"preset", "output", "status", "reason"} per preset, and the summary
// "perPreset": {preset: outputs written}.

#include <cstddef>
#include <cstdio>
#include <map>
#include <utility>
#include <mutex>
#include <string>
#include <vector>

#include "CliGather.h"
#include "platform/Status.h"
#include "run/ConversionRun.h"

class RunReport {
public:
    RunReport() = default;
    ~RunReport();
    RunReport(const RunReport&) = delete;
    RunReport& operator=(const RunReport&) = delete;

    // Creates or empties the file. Fails, naming it, with the system's
    // reason when it cannot be written.
    Status Open(const std::string& path);
    bool IsOpen() const { return file_ != nullptr; }

    void Refused(const std::vector<RefusedPath>& refused);
    // The run's photos in list order, before it starts.
    void Begin(const std::vector<PhotoJob>& photos);
    // From the run's callbacks, on its threads.
    void OutputPath(std::size_t index, const std::string& path);
    void PhotoDone(std::size_t index, const PhotoResult& result);
    // Several outputs: their presets before the run, then each output as it is done.
    void SetOutputs(const std::vector<RunOutput>& outputs);
    void OutputDone(std::size_t index, std::size_t output, const std::string& path,
                    const PhotoResult& result);
    // The summary line; result is empty when the run never started. Fails,
    // naming the file, when any line could not be written.
    Status Finish(const RunResult& result, int exitStatus);

private:
    void WriteLocked(const std::string& line);

    std::mutex mutex_;
    std::FILE* file_ = nullptr;
    std::string path_;
    int writeError_ = 0;
    std::vector<PhotoJob> photos_;
    std::map<std::size_t, std::string> waiting_;  // finished out of order
    std::size_t next_ = 0;                        // the next photo to write
    std::size_t refused_ = 0;        // skipped before the run
    std::size_t refusedFailed_ = 0;  // damaged pictures, failed before the run
    std::vector<std::string> outputNames_;
    std::map<std::size_t, std::vector<std::string>> outputLines_;  // JSON objects per photo
    // Per photo, the stand-ins of output paths that are not UTF-8, and the paths.
    std::map<std::size_t, std::vector<std::pair<std::string, std::string>>> outputRawPaths_;
};
