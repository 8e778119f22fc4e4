#pragma once
// One batch conversion: every photo of a job, in list order, into the run
// folder, on worker threads of its own. The caller's thread is never
// touched: results come back through callbacks, prompts through the
// prompter, notices through the activity log.

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "model/PhotoJob.h"
#include "model/TextOverlay.h"
#include "platform/Prompter.h"
#include "run/ActivityLog.h"
#include "run/ConvertPhoto.h"
#include "run/MultiOutput.h"
#include "run/RunQuestions.h"
#include "run/RunNaming.h"

// Everything a run needs, copied in when it is made (see PrepareRun).
struct ConversionJob {
    std::vector<PhotoJob> photos;  // in list order, which is also the numbering order
    OutputNaming naming;           // its run folder exists
    TextOverlay overlay;           // the position as the pre-run check left it
    int jobs = 0;                  // photos converted at once; 0 or less: one per core
    uint64_t memoryBudget = 0;     // bytes the photos in hand may take; 0: DefaultMemoryBudget()
    // false: a photo's failure shows no box; it is only reported (photoDone)
    // and logged, so that nothing holds the run. Questions are still asked.
    bool tellFailures = true;
    // Photos an earlier part of this run converted (by index; may be shorter
    // than photos): not converted again, counted as converted. The others
    // keep the numbers and paths the whole job gives them ("Convert the rest").
    std::vector<bool> alreadyConverted;
    // Several outputs of each photo, one per preset, from one decode; empty:
    // one output with each photo's own settings.
    std::vector<RunOutput> outputs;
};

struct RunResult {
    std::size_t total = 0;      // photos in the job
    std::size_t converted = 0;  // written
    std::size_t skipped = 0;    // "No" to replacing an existing file
    std::size_t failed = 0;     // reported failures, unknown formats included
    bool stopped = false;       // a stop left photos unconverted
    std::size_t numberedApart = 0;  // outputs numbered apart from a same-named one
    std::vector<std::size_t> writtenPerOutput;  // with several outputs: files written of each
    std::vector<std::string> outputNames;       // and their presets' names

    std::size_t NotStarted() const { return total - converted - skipped - failed; }
};

// Called on the run's own threads; a GUI forwards them to its thread (queued)
// and must not destroy the run from inside one. Any may be empty.
struct RunCallbacks {
    // 0..999: index * 1000 / count (truncated) as each photo is started, in
    // list order; 999 once the run is over.
    std::function<void(int position)> progress;
    // The output path formed for the photo at index, before it is converted.
    std::function<void(std::size_t index, const std::string& path)> outputPath;
    // The per-photo position check set the X (or Y) edit to "0".
    std::function<void(bool xReset, bool yReset)> textPositionReset;
    // With several outputs: one output of the photo at index is finished,
    // before the photo's photoDone (which has the first failure, if any).
    std::function<void(std::size_t index, std::size_t output, const std::string& path,
                       const PhotoResult& result)>
        outputDone;
    // A photo is finished, in the order photos finish.
    std::function<void(std::size_t index, const PhotoResult& result)> photoDone;
    // The last call of the run, after every worker has ended.
    std::function<void(const RunResult& result)> finished;
};

using PhotoConverter = std::function<PhotoResult(const PhotoJob&, const TextOverlay&, Prompter&)>;

// What a run's closing question adds to its text, one line each, "" when
// every photo was converted: "Stopped: 168 of 5,000 converted, 4,832 not
// started", "3 photos were not converted; see the log." (failed or
// skipped) and "2 photos got a number added to a name another photo has.";
// with several outputs, always "Written per preset: web 12, thumb 12".
std::string RunOutcomeLines(const RunResult& result);

// The activity log's line for a photo that was not written:
// "<source path>: <message> (<reason>)", with the plain reason before it
// when there is one ("<source path>: the file is damaged or incomplete -
// <message> (<reason>)").
std::string PhotoLogLine(const std::string& sourcePath, const PhotoResult& result);

// The number of processors this process may run on (at least 1).
int AvailableCores();

class ConversionRun {
public:
    // The prompter and the log must outlive the run. Photos are started in
    // list order while a worker is free and their estimated peaks, with
    // those in hand, fit the memory budget; a photo is always started when
    // none is in hand, so that one larger than the budget converts alone.
    ConversionRun(ConversionJob job, Prompter& prompter, ActivityLog& log, RunCallbacks callbacks,
                  PhotoConverter converter = &ConvertPhoto);
    // Asks for a stop and waits for the photos in hand.
    ~ConversionRun();
    ConversionRun(const ConversionRun&) = delete;
    ConversionRun& operator=(const ConversionRun&) = delete;

    // Starts the run and returns at once. Call once.
    void Start();
    // No further photo is started; those in hand are finished. Lock-free,
    // safe from any thread and from a signal handler.
    void RequestStop() noexcept { stop_.store(true, std::memory_order_relaxed); }
    bool StopRequested() const noexcept { return stop_.load(std::memory_order_relaxed); }
    // Blocks until the run is over; its result.
    RunResult Wait();
    // Start and Wait.
    RunResult Run();

    // Photos converted at once for a requested job count (0 or less: one
    // per core), never more than there are photos.
    static int EffectiveJobs(int requested, std::size_t photoCount);

private:
    struct Task {
        std::size_t index;
        PhotoJob photo;
        TextOverlay overlay;
        uint64_t peakBytes;
        std::string subFolder;  // below the run folder, made before the photo is converted
        std::string subBase;    // set: subFolder is below this folder instead (next to the source)
        std::vector<PhotoJob> outputs;  // several outputs of the photo, with their paths
    };

    void Dispatch();
    // Waits until a photo may start; false when a stop came first.
    bool WaitForRoom(const std::string& key, uint64_t peakBytes, int jobs);
    void Work();
    // With keepFileDate, a written output gets its source's date.
    void KeepFileDate(const PhotoJob& photo, PhotoResult& result);
    // The outputs of a photo of several; its photoDone result.
    PhotoResult ConvertOutputs(const Task& task);

    const ConversionJob job_;
    RunQuestions prompter_;  // the caller's, one question at a time
    ActivityLog& log_;
    const RunCallbacks callbacks_;
    const PhotoConverter converter_;
    const uint64_t budget_;

    std::atomic<bool> stop_{false};
    static_assert(std::atomic<bool>::is_always_lock_free);

    // Shared between the dispatcher and the workers, under mutex_.
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Task> queue_;             // handed out, not yet taken by a worker
    std::vector<std::string> busyPaths_;  // output path keys of the photos in hand
    std::size_t inHand_ = 0;
    int jobs_ = 1;  // photos converted at once
    uint64_t bytesInHand_ = 0;  // their estimated peaks
    bool noMoreTasks_ = false;
    RunResult result_;
    std::vector<std::pair<std::string, std::string>> failedSubFolders_;  // base, sub of failed photos

    std::thread dispatcher_;
    std::vector<std::thread> workers_;
};
