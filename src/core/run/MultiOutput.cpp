#include "run/MultiOutput.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <functional>
#include <future>
#include <optional>
#include <thread>

#include "imaging/PictureDecode.h"
#include "imaging/PictureResample.h"
#include "imaging/RowsInProgress.h"
#include "imaging/VipsSession.h"
#include "model/OutputGeometry.h"
#include "model/OptionTables.h"
#include "texts/LanguagePack.h"

namespace {

// A plan's picture of wanted pixels made from a (not enlarged) resize to
// from pixels matches a fresh resize within rounding when it is the same
// size, or a reduction by at least a third on each side: a second resample
// by a factor near 1 would soften it a little more than a fresh one does.
bool Derivable(const PlanRect& wanted, const PlanRect& from) {
    return (wanted.width == from.width && wanted.height == from.height) ||
           (int64_t(wanted.width) * 3 <= int64_t(from.width) * 2 &&
            int64_t(wanted.height) * 3 <= int64_t(from.height) * 2);
}

// Planning an output tells nothing: an unknown rule plans the record's size,
// and the photo fails when it is converted if that cannot be made.
class QuietPrompter : public Prompter {
public:
    using Prompter::Ask;
    PromptAnswer Ask(const Prompt&) override { return PromptAnswer::No; }
};

// Converts every job with convert, up to atOnce of them at the same time:
// the calling thread and atOnce - 1 imaging threads take the jobs in turn.
// Results in the jobs' order.
std::vector<PhotoResult> ConvertEachAtOnce(
    const std::vector<PhotoJob>& jobs, const std::function<PhotoResult(const PhotoJob&)>& convert,
    int atOnce) {
    std::vector<PhotoResult> results(jobs.size());
    std::atomic<std::size_t> next{0};
    auto take = [&] {
        for (std::size_t k = next++; k < jobs.size(); k = next++) results[k] = convert(jobs[k]);
    };
    const std::size_t helpers = std::min<std::size_t>(std::size_t(atOnce), jobs.size()) - 1;
    std::vector<std::thread> threads;
    std::vector<std::exception_ptr> errors(helpers);
    for (std::size_t i = 0; i < helpers; ++i)
        threads.emplace_back([&, i] {
            try {
                RunOnImagingThread(take);
            } catch (...) {
                errors[i] = std::current_exception();
            }
        });
    std::exception_ptr error;
    try {
        take();
    } catch (...) {
        error = std::current_exception();
    }
    for (std::thread& thread : threads) thread.join();
    for (const std::exception_ptr& helperError : errors)
        if (!error)
            error = helperError;
    if (error)
        std::rethrow_exception(error);
    return results;
}

}  // namespace

std::vector<PhotoJob> JobsOfOutputs(const PhotoJob& photo, const std::vector<RunOutput>& outputs) {
    std::vector<PhotoJob> jobs;
    jobs.reserve(outputs.size());
    for (const RunOutput& output : outputs) {
        PhotoJob job = photo;
        job.settings = output.format;
        job.outputPath.clear();
        QuietPrompter quiet;
        Result<OutputPlan> plan =
            PlanOutput(photo.source.width, photo.source.height, output.format, quiet);
        if (plan) {
            job.plan = plan.Value();
            job.settings.nOutputWidth = job.plan.width;
            job.settings.nOutputHeight = job.plan.height;
        }
        jobs.push_back(std::move(job));
    }
    return jobs;
}

OutputsDecode DecodeOfOutputs(const std::vector<PhotoJob>& jobs) {
    // The largest picture of the outputs decides what is decoded: it alone
    // when every other can be made from it, else the source at its own size.
    OutputsDecode decode;
    const PhotoJob*& largest = decode.largest;
    for (const PhotoJob& job : jobs)
        if (job.plan.IsDrawable() &&
            (!largest || int64_t(job.plan.picture.width) * job.plan.picture.height >
                             int64_t(largest->plan.picture.width) * largest->plan.picture.height))
            largest = &job;
    if (largest) {
        const PhotoSource& source = largest->source;
        const PlanRect& from = largest->plan.picture;
        bool fromLargest = from.width <= source.width && from.height <= source.height;
        for (const PhotoJob& job : jobs)
            fromLargest = fromLargest && (!job.plan.IsDrawable() || Derivable(job.plan.picture, from));
        decode.plan = fromLargest ? OutputPlan::Stretched(from.width, from.height)
                                  : OutputPlan::Stretched(source.width, source.height);
        decode.plan.background = largest->plan.background;
    }
    return decode;
}

std::vector<PhotoResult> ConvertPhotoOutputs(const std::vector<PhotoJob>& jobs,
                                             const TextOverlay& overlay, Prompter& prompter,
                                             int atOnce) {
    std::vector<PhotoResult> results;
    if (jobs.empty())
        return results;
    const PhotoSource& source = jobs.front().source;

    const OutputsDecode decode = DecodeOfOutputs(jobs);
    const PhotoJob* const largest = decode.largest;
    const OutputPlan& decodePlan = decode.plan;
    bool withMetadata = false;
    const double sourcePixels = double(source.width) * source.height;

    std::optional<Result<RgbPicture>> decoded;
    // Outputs' pictures made from the decode's rows while it goes on (in
    // the jobs' order; none for an output made otherwise). Declared after
    // the decode, whose pixels they read, and its rows, so that they end first.
    std::optional<RowsInProgress> rows;
    std::vector<std::future<std::optional<Result<RgbPicture>>>> early(jobs.size());
    // The picture made early for job, when it could be.
    auto madeEarly = [&](const PhotoJob& job) -> std::optional<Result<RgbPicture>> {
        std::size_t k = 0;
        while (k < jobs.size() && &jobs[k] != &job) ++k;
        if (k == jobs.size() || !early[k].valid())
            return std::nullopt;
        try {
            std::optional<Result<RgbPicture>> made = early[k].get();
            if (made && *made) {
                CarryDecodeFacts(decoded->Value(), made->Value());
                return made;
            }
        } catch (...) {
            // Made again below from the whole picture, as it would be anyway.
        }
        return std::nullopt;
    };
    const DecodedPictureSource fromDecode = [&](const PhotoJob& job,
                                                bool metadata) -> Result<RgbPicture> {
        if (!decoded)
            decoded = DecodePicture(source.path, decodePlan, metadata || withMetadata,
                                    largest->settings.nRawDevelop);
        if (!*decoded)
            return decoded->GetStatus();
        if (std::optional<Result<RgbPicture>> made = madeEarly(job))
            return std::move(*made);
        Result<RgbPicture> made = PictureFromDecoded(decoded->Value(), job.plan, sourcePixels);
        if (!made)
            return made.GetStatus().About(source.path);
        return made;
    };
    // Camera data is read with the one decode when any output keeps it.
    for (const PhotoJob& job : jobs) withMetadata = withMetadata || KeepsMetadata(job.settings.nMetadata);

    const bool fromOneDecode = largest && source.width > 0 && source.height > 0;
    auto convert = [&](const PhotoJob& job) {
        // Without a drawable plan (or a size known) the output is made as on its own.
        if (!fromOneDecode || !job.plan.IsDrawable())
            return ConvertPhoto(job, overlay, prompter);
        return ConvertPhotoFrom(job, overlay, prompter, fromDecode);
    };

    // Outputs made at once share the decode, so it is made before they are
    // encoded; their pictures are laid out from its rows as they come, on
    // the cores its one thread leaves idle.
    std::size_t fromDecodeCount = 0;
    for (const PhotoJob& job : jobs) fromDecodeCount += fromOneDecode && job.plan.IsDrawable();
    if (atOnce > 1 && fromDecodeCount > 1) {
        rows.emplace(decodePlan.width, decodePlan.height);
        try {
            for (std::size_t k = 0; k < jobs.size(); ++k)
                if (jobs[k].plan.IsDrawable() &&
                    !LaidOutAsDecoded(jobs[k].plan, decodePlan.width, decodePlan.height,
                                      sourcePixels))
                    early[k] = std::async(std::launch::async, [&rows, &job = jobs[k], sourcePixels] {
                        std::optional<Result<RgbPicture>> made;
                        RunOnImagingThread(
                            [&] { made = PictureFromDecoding(*rows, job.plan, sourcePixels); });
                        return made;
                    });
        } catch (...) {
            rows->End(false);  // no thread waits for rows that never come
            throw;
        }
        decoded = DecodePicture(source.path, decodePlan, withMetadata,
                                largest->settings.nRawDevelop, false, false, &*rows);
        if (*decoded)
            return ConvertEachAtOnce(jobs, convert, atOnce);
    }

    bool failureTold = false;
    for (const PhotoJob& job : jobs) {
        if (decoded && !*decoded && failureTold) {
            // The source could not be decoded: told once, for its first output.
            results.push_back({PhotoOutcome::Failed, EnglishText(IDS_CONVERT_FAILED),
                               decoded->GetStatus().Reason()});
            continue;
        }
        results.push_back(convert(job));
        failureTold = decoded && !*decoded;
    }
    return results;
}
