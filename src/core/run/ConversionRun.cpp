#include "run/ConversionRun.h"

#include <sched.h>
#include <unistd.h>
#include <algorithm>

#include <QtGlobal>

#include "imaging/VipsSession.h"
#include "model/OptionTables.h"
#include "model/OutputGeometry.h"
#include "platform/Paths.h"
#include "platform/Words.h"
#include "run/MemoryEstimate.h"
#include "run/OutputChecks.h"
#include "run/OutputPaths.h"
#include "run/OutputPlacement.h"
#include "run/RunFolder.h"
#include "run/RunSummary.h"
#include "texts/LanguagePack.h"

namespace {

// Output paths that may name one file: equal, or equal but for ASCII case
// (a case-insensitive file system, such as a memory card). Serialising a
// few photos too many costs nothing; two writers of one file would race.
std::string PathKey(const std::string& path) {
    return paths::AsciiLower(path);
}

}  // namespace

std::string RunOutcomeLines(const RunResult& result) {
    std::vector<std::string> lines;
    // The window's summary, in the user's language; each count picks the
    // plural form its language gives it (English's own from quillmere_en).
    if (result.stopped)
        lines.push_back(words::Filled(
            shown::translate("RunSummary", "Stopped: %1 of %2 converted, %3 not started"),
            {ShownNumber(result.converted), ShownNumber(result.total),
             ShownNumber(result.NotStarted())}));
    const std::size_t notConverted = result.failed + result.skipped;
    const auto count = [](std::size_t n) {
        return static_cast<int>(std::min<std::size_t>(n, 1u << 30));
    };
    if (notConverted > 0)
        lines.push_back(words::Filled(
            shown::translate("RunSummary", "%1 photos were not converted; see the log.", nullptr,
                             count(notConverted)),
            {ShownNumber(notConverted)}));
    if (result.numberedApart > 0)
        lines.push_back(words::Filled(
            shown::translate("RunSummary",
                             "%1 photos got a number added to a name another photo has.", nullptr,
                             count(result.numberedApart)),
            {ShownNumber(result.numberedApart)}));
    if (!result.outputNames.empty()) {
        std::string counts;
        for (std::size_t k = 0; k < result.outputNames.size(); ++k)
            counts +=
                (k ? ", " : "") + result.outputNames[k] + " " +
                ShownNumber(k < result.writtenPerOutput.size() ? result.writtenPerOutput[k] : 0);
        lines.push_back(
            words::Filled(shown::translate("RunSummary", "Written per preset: %1"), {counts}));
    }
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
    return text;
}

std::string PhotoLogLine(const std::string& sourcePath, const PhotoResult& result) {
    const std::string plain = EnglishPlainReasonOf(result);
    if (plain == result.message)
        return sourcePath + ": " + result.Told();
    return sourcePath + ": " + plain + " - " + result.Told();
}

int AvailableCores() {
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof set, &set) == 0) {
        const int n = CPU_COUNT(&set);
        if (n > 0)
            return n;
    }
    return std::max(1u, std::thread::hardware_concurrency());
}

int ConversionRun::EffectiveJobs(int requested, std::size_t photoCount) {
    const int jobs = requested > 0 ? requested : AvailableCores();
    const std::size_t capped = std::min<std::size_t>(static_cast<std::size_t>(jobs), photoCount);
    return static_cast<int>(std::max<std::size_t>(capped, 1));
}

ConversionRun::ConversionRun(ConversionJob job, Prompter& prompter, ActivityLog& log,
                             RunCallbacks callbacks, PhotoConverter converter)
    : job_(std::move(job)),
      prompter_(prompter, job_.tellFailures),
      log_(log),
      callbacks_(std::move(callbacks)),
      converter_(std::move(converter)),
      budget_(job_.memoryBudget > 0 ? job_.memoryBudget : DefaultMemoryBudget()) {}

ConversionRun::~ConversionRun() {
    RequestStop();
    if (dispatcher_.joinable())
        dispatcher_.join();
}

void ConversionRun::Start() {
    dispatcher_ = std::thread([this] { Dispatch(); });
}

RunResult ConversionRun::Wait() {
    if (dispatcher_.joinable())
        dispatcher_.join();
    return result_;
}

RunResult ConversionRun::Run() {
    Start();
    return Wait();
}

// Photos are prepared one after the other in list order: progress, output
// path, the unknown-format notice and the overlay position check all happen
// here, so that they come out exactly as in a one-at-a-time run whatever the
// number of workers. Only the conversions themselves overlap.
void ConversionRun::Dispatch() {
    const std::size_t count = job_.photos.size();
    const int jobs = EffectiveJobs(job_.jobs, count);
    {
        std::lock_guard lock(mutex_);
        jobs_ = jobs;
    }
    const std::size_t perPhoto = job_.outputs.empty() ? 1 : job_.outputs.size();
    Result<RunPaths> planning = PlanRunPaths(job_.photos, job_.naming, job_.outputs);
    if (!planning) {
        // A prepared run was checked; a job made otherwise converts nothing.
        prompter_.Tell(planning.GetStatus().ShownReason(), planning.GetStatus().Subject());
        std::lock_guard lock(mutex_);
        result_.total = result_.failed = count;
    }
    const RunPaths planned = planning ? planning.Value() : RunPaths{};
    auto convertedBefore = [this](std::size_t index) {
        return index < job_.alreadyConverted.size() && job_.alreadyConverted[index];
    };
    {
        std::lock_guard lock(mutex_);
        result_.total = count;
        result_.numberedApart = planned.numberedApart;
        if (!job_.outputs.empty())
            result_.writtenPerOutput.assign(job_.outputs.size(), 0);
        for (const RunOutput& output : job_.outputs) result_.outputNames.push_back(output.name);
        for (std::size_t i = 0; i < count; ++i) result_.converted += convertedBefore(i);
    }
    // Each photo's encoder gets its share of the cores from libvips' own
    // pool (its decode runs on one thread), so that photos at once and
    // threads per photo do not oversubscribe.
    const int imagingThreadsBefore = ImagingThreads();
    SetImagingThreads(std::max(1, AvailableCores() / jobs));
    // Workers are libvips threads for the whole run: a photo's pipeline is
    // built, pulled and let go on one, which keeps its buffers between
    // requests, and no thread is started for each photo.
    for (int i = 0; i < jobs; ++i)
        workers_.emplace_back([this] { RunOnImagingThread([this] { Work(); }); });

    const OutputNaming& naming = job_.naming;
    // The position edits as the per-photo check leaves them for the photos
    // after it.
    int32_t x = job_.overlay.x;
    int32_t y = job_.overlay.y;
    std::size_t started = 0;
    for (; started < count && planning; ++started) {
        if (convertedBefore(started))
            continue;
        const PhotoJob& source = job_.photos[started];
        const OutputPlan& plan = source.plan;
        const OutputFormatRow* row =
            OutputFormatFor(source.settings.nOuptputFormat, source.source.format);
        const std::string extension = row ? row->extension : "";
        const std::string& path = planned.paths[started * perPhoto];
        Task task{started, source, job_.overlay, 0, {}, {}, {}};
        task.photo.outputPath = path;
        if (!job_.outputs.empty()) {
            task.outputs = JobsOfOutputs(source, job_.outputs);
            for (std::size_t k = 0; k < perPhoto; ++k)
                task.outputs[k].outputPath = planned.paths[started * perPhoto + k];
        }
        // One worker takes the photos in turn whatever their size: the
        // source's headers need not be read for the budget.
        // Several outputs of one decode may all be held at once: a photo
        // alone in the run gets every core for them.
        if (jobs > 1)
            task.peakBytes =
                task.outputs.size() > 1
                    ? EstimatePhotoOutputsPeakBytes(task.outputs, job_.overlay, AvailableCores())
                    : EstimatePhotoPeakBytes(task.outputs.empty() ? task.photo : task.outputs[0],
                                             job_.overlay);
        if (!WaitForRoom(PathKey(path), task.peakBytes, jobs))
            break;

        if (callbacks_.progress)
            callbacks_.progress(static_cast<int>(static_cast<double>(started) /
                                                 static_cast<double>(count) * 1000.0));
        if (extension.empty())
            log_.Note("unknown output photo format!", prompter_);

        if (!naming.besideFolder.empty()) {
            task.subBase = paths::GetFolderOfPath(source.source.path);
            task.subFolder = paths::EnsureTrailingSeparator(naming.besideFolder);
        } else if (naming.keepFolders) {
            task.subFolder = KeptSubFolder(source.source.path, source.source.searchRoot);
        }
        if (callbacks_.outputPath)
            callbacks_.outputPath(started, path);

        // A photo whose size is invalid stops before its overlay is looked at.
        // The other anchors keep the text inside the picture themselves.
        if (!job_.overlay.text.empty() && job_.overlay.anchor == kAnchorTopLeft && plan.width > 0 &&
            plan.height > 0) {
            const PhotoTextPosition position =
                CheckPhotoTextPosition(x, y, plan.width, plan.height, source.source.path);
            for (const std::string& message : position.logMessages) log_.Note(message, prompter_);
            if (position.xReset)
                x = 0;
            if (position.yReset)
                y = 0;
            if ((position.xReset || position.yReset) && callbacks_.textPositionReset)
                callbacks_.textPositionReset(position.xReset, position.yReset);
            task.overlay.x = position.x;
            task.overlay.y = position.y;
        }

        {
            std::lock_guard lock(mutex_);
            queue_.push_back(std::move(task));
        }
        changed_.notify_all();
    }

    {
        std::lock_guard lock(mutex_);
        noMoreTasks_ = true;
    }
    changed_.notify_all();
    for (std::thread& worker : workers_) worker.join();
    workers_.clear();
    SetImagingThreads(imagingThreadsBefore);
    // A photo that failed leaves no empty folder behind; a folder another
    // photo wrote into is not empty and stays. Only now, with every worker
    // ended, can no photo be about to write into one.
    for (auto [base, sub] : failedSubFolders_) {
        UnmarkIfAlone(base + sub);
        while (!sub.empty() && ::rmdir((base + sub).c_str()) == 0)
            sub = paths::GetFolderOfPath(paths::WithoutTrailingSeparator(sub));
    }

    RunResult result;
    {
        std::lock_guard lock(mutex_);
        result_.stopped = planning && started < count;
        result = result_;
    }
    // A stopped run's bar stays where it stopped.
    if (callbacks_.progress && !result.stopped)
        callbacks_.progress(999);
    if (callbacks_.finished)
        callbacks_.finished(result);
}

// Waits for a free worker, for any photo in hand with the same output path
// to finish (so that the later one meets the replace question instead of
// racing it), and for memory. RequestStop cannot notify, but every wait
// here ends when a photo in hand finishes.
bool ConversionRun::WaitForRoom(const std::string& key, uint64_t peakBytes, int jobs) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] {
        return StopRequested() ||
               (inHand_ < static_cast<std::size_t>(jobs) &&
                std::find(busyPaths_.begin(), busyPaths_.end(), key) == busyPaths_.end() &&
                (inHand_ == 0 || bytesInHand_ + peakBytes <= budget_));
    });
    if (StopRequested())
        return false;
    ++inHand_;
    bytesInHand_ += peakBytes;
    busyPaths_.push_back(key);
    return true;
}

void ConversionRun::Work() {
    for (;;) {
        Task task;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [&] { return !queue_.empty() || noMoreTasks_; });
            if (queue_.empty())
                return;
            task = std::move(queue_.front());
            queue_.erase(queue_.begin());
        }

        PhotoResult result;
        bool told = false;  // the converter tells of its own failures
        try {
            Status made;
            const std::string base = task.subBase.empty() ? job_.naming.runFolder : task.subBase;
            // A folder made next to the originals is marked as run folders
            // are, so that searching the originals again skips the outputs.
            const bool besideMade = !task.subBase.empty() &&
                                    ::access((base + task.subFolder).c_str(), F_OK) != 0;
            if (!task.subFolder.empty())
                made = CreateSubFolders(base, task.subFolder);
            if (made && besideMade)
                MarkOutputFolder(base + task.subFolder);
            if (!made) {
                result = {PhotoOutcome::Failed,
                          QT_TRANSLATE_NOOP("Reasons", "Can not create the directory"),
                          made.Told()};
            } else if (!task.outputs.empty()) {
                result = ConvertOutputs(task);
                told = true;
            } else {
                result = converter_(task.photo, task.overlay, prompter_);
                told = true;
                KeepFileDate(task.photo, result);
            }
        } catch (const std::exception& error) {
            // Nothing may escape a worker; the photo counts as failed and the
            // run goes on, as for any other failure of one photo.
            result = {PhotoOutcome::Failed, EnglishText(IDS_CONVERT_FAILED), error.what()};
        } catch (...) {
            result = {PhotoOutcome::Failed, EnglishText(IDS_CONVERT_FAILED), "unexpected error"};
        }
        if (!told)
            prompter_.Tell(result.ShownMessage(), task.photo.source.path, PromptIcon::None,
                           result.ShownReason());
        // A camera RAW's line says how it was developed.
        if (result.outcome != PhotoOutcome::Written || !result.rawSource.empty())
            log_.Note(PhotoLogLine(task.photo.source.path, result), prompter_);
        else if (result.fit)
            log_.Note(task.photo.source.path + ": " + FitText(*result.fit), prompter_);
        if (callbacks_.photoDone)
            callbacks_.photoDone(task.index, result);
        const PhotoOutcome outcome = result.outcome;

        {
            std::lock_guard lock(mutex_);
            --inHand_;
            bytesInHand_ -= task.peakBytes;
            const auto busy =
                std::find(busyPaths_.begin(), busyPaths_.end(), PathKey(task.photo.outputPath));
            if (busy != busyPaths_.end())
                busyPaths_.erase(busy);
            switch (outcome) {
                case PhotoOutcome::Written: ++result_.converted; break;
                case PhotoOutcome::Skipped: ++result_.skipped; break;
                case PhotoOutcome::Failed:
                    ++result_.failed;
                    if (!task.subFolder.empty())
                        failedSubFolders_.emplace_back(
                            task.subBase.empty() ? job_.naming.runFolder : task.subBase,
                            task.subFolder);
                    break;
            }
        }
        changed_.notify_all();
    }
}

void ConversionRun::KeepFileDate(const PhotoJob& photo, PhotoResult& result) {
    if (!job_.naming.keepFileDate || result.outcome != PhotoOutcome::Written)
        return;
    // The photo is written; a date that cannot be set is noted, not a failure.
    if (Status dated = CopyFileTime(photo.source.path, photo.outputPath); !dated)
        log_.Note(dated.Told(), prompter_);
}

PhotoResult ConversionRun::ConvertOutputs(const Task& task) {
    // The photo's outputs are made at once on the cores other photos leave
    // idle: a run of one photo, or the last photos of a run.
    int atOnce = 1;
    {
        std::lock_guard lock(mutex_);
        const int cores = AvailableCores();
        atOnce = std::max(1, cores - static_cast<int>(inHand_ - 1) * std::max(1, cores / jobs_));
    }
    std::vector<PhotoResult> results =
        ConvertPhotoOutputs(task.outputs, task.overlay, prompter_, atOnce);
    // The photo's result is its first failure (or skip), else its first output's.
    std::size_t shown = 0;
    for (std::size_t k = 0; k < results.size(); ++k) {
        KeepFileDate(task.outputs[k], results[k]);
        if (results[k].outcome == PhotoOutcome::Written) {
            std::lock_guard lock(mutex_);
            ++result_.writtenPerOutput[k];
        } else if (results[shown].outcome == PhotoOutcome::Written) {
            shown = k;
        }
        if (callbacks_.outputDone)
            callbacks_.outputDone(task.index, k, task.outputs[k].outputPath, results[k]);
    }
    return results.empty() ? PhotoResult{} : results[shown];
}
