#include "run/RunController.h"

RunController::RunController(ConversionJob job, Prompter& prompter, ActivityLog& log,
                             QObject* parent)
    : QObject(parent) {
    RunCallbacks callbacks;
    callbacks.progress = [this](int position) { emit Progress(position); };
    callbacks.outputPath = [this](std::size_t index, const std::string& path) {
        emit OutputPathFormed(static_cast<qsizetype>(index), path);
    };
    callbacks.textPositionReset = [this](bool x, bool y) { emit TextPositionReset(x, y); };
    callbacks.photoDone = [this](std::size_t index, const PhotoResult& result) {
        emit PhotoDone(static_cast<qsizetype>(index), result);
    };
    callbacks.finished = [this](const RunResult& result) { emit Finished(result); };
    run_ = std::make_unique<ConversionRun>(std::move(job), prompter, log, std::move(callbacks));
}

RunController::~RunController() {
    // The run stops and its threads end while this object can still emit.
    run_.reset();
}

void RunController::Start() { run_->Start(); }

void RunController::RequestStop() { run_->RequestStop(); }

bool RunController::StopRequested() const { return run_->StopRequested(); }
