#include "run/RunStart.h"

#include "imaging/WatermarkImage.h"
#include "platform/Paths.h"
#include "platform/Words.h"
#include "run/OutputChecks.h"
#include "run/OutputPlacement.h"
#include "run/RunFolder.h"

PreparedRun PrepareRun(RunRequest request, Prompter& prompter) {
    PreparedRun prepared;
    // The watermark is read once for every photo, and a run whose
    // watermark cannot be read does not start.
    ImageWatermark& watermark = request.overlay.watermark;
    if (!watermark.path.empty() && !watermark.logo) {
        auto logo = LoadWatermarkLogo(watermark.path);
        if (!logo) {
            prompter.Tell(shown::translate("Messages", "The watermark could not be read."),
                          watermark.path, PromptIcon::None, logo.GetStatus().Reason());
            return prepared;
        }
        watermark.logo = logo.Value();
    }
    const std::time_t when = request.when != 0 ? request.when : std::time(nullptr);
    const bool beside = !request.naming.besideFolder.empty();
    request.naming.runFolder = beside ? std::string()
                               : request.intoFolder.empty()
                                   ? MakeRunFolderPath(request.outputFolder, when)
                                   : paths::EnsureTrailingSeparator(request.intoFolder);
    prepared.job.photos.reserve(request.photos.size());
    for (const PhotoItem& photo : request.photos) prepared.job.photos.push_back(JobOfPhoto(photo));
    // Outputs that would replace a source, or share a path, are found before
    // anything is made.
    if (Result<RunPaths> planned =
            PlanRunPaths(prepared.job.photos, request.naming, request.outputs);
        !planned) {
        prompter.Tell(planned.GetStatus().ShownReason(), planned.GetStatus().Subject());
        return prepared;
    }
    if (!beside && request.intoFolder.empty()) {
        // Made exclusively, so its name may gain -2, -3...: the check above
        // holds under any name, as the folder is new and empty.
        Result<std::string> made = CreateNewRunFolder(request.outputFolder, when, prompter);
        if (!made)
            return prepared;  // told
        request.naming.runFolder = std::move(made).Value();
    } else if (!beside) {
        if (Status made = CreateRunFolder(request.naming.runFolder, prompter); !made)
            return prepared;  // told
    }

    if (request.overlay.anchor == kAnchorTopLeft) {
        const TextPositionCheck position =
            CheckTextPosition(request.overlay.x, request.overlay.y, request.defaults.nOutputWidth,
                              request.defaults.nOutputHeight, prompter);
        request.overlay.x = position.x;
        request.overlay.y = position.y;
        prepared.xReset = position.xReset;
        prepared.yReset = position.yReset;
    }

    prepared.job.outputs = std::move(request.outputs);
    prepared.job.naming = std::move(request.naming);
    prepared.job.overlay = std::move(request.overlay);
    prepared.job.jobs = request.jobs;
    prepared.job.memoryBudget = request.memoryBudget;
    prepared.ready = true;
    return prepared;
}
