#include "cli/ConvertCommand.h"

#include <QGuiApplication>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <memory>
#include <unistd.h>

#include "app/SettingsStore.h"
#include "app/WorkFolder.h"
#include "cli/CliGather.h"
#include "cli/CliOptions.h"
#include "cli/ProgressBar.h"
#include "convert/ActivityLog.h"
#include "convert/ConversionRun.h"
#include "convert/OutputGeometry.h"
#include "convert/RunNaming.h"

namespace {

constexpr const char* kProgram = "quillmere-convert";

std::atomic<ConversionRun*> g_activeRun{nullptr};
static_assert(std::atomic<ConversionRun*>::is_always_lock_free);

// The first Ctrl-C lets the photos in hand finish; a second one ends the
// process at once.
extern "C" void OnInterrupt(int) {
    if (ConversionRun* run = g_activeRun.load())
        run->RequestStop();
    std::signal(SIGINT, SIG_DFL);
}

StderrPrompter::Policy PolicyOf(OverwritePolicy overwrite) {
    switch (overwrite) {
    case OverwritePolicy::Ask: return StderrPrompter::Policy::Ask;
    case OverwritePolicy::Yes: return StderrPrompter::Policy::Yes;
    case OverwritePolicy::No: return StderrPrompter::Policy::No;
    case OverwritePolicy::Default: break;
    }
    return ::isatty(STDIN_FILENO) ? StderrPrompter::Policy::Ask : StderrPrompter::Policy::No;
}

std::string OutputFolder(const CliOptions& options, Prompter& prompter) {
    if (options.outputFolder)
        return EnsureTrailingSeparator(*options.outputFolder);
    // The command line keeps a settings store of its own that nothing
    // writes, so this is the window's first-start folder, created if missing.
    SettingsStore::SetRoot(settings::kMaker, kProgram);
    return EnsureTrailingSeparator(GetOutputFolderSetting(
        settings::kOption, settings::kPhotoOutputFolder, HomeFolder(), prompter));
}

}  // namespace

int RunConvertCommand(const std::vector<std::string>& args) {
    const ParseOutcome parsed = ParseArguments(args);
    if (!parsed.ok) {
        std::cerr << kProgram << ": " << parsed.error << "\n"
                  << "Try '" << kProgram << " --help' for more information.\n";
        return 2;
    }
    const CliOptions& options = parsed.options;
    if (options.help) {
        std::cout << UsageText();
        return 0;
    }
    if (options.version) {
        std::cout << kProgram << " " << QUILLMERE_VERSION << "\n";
        return 0;
    }

    // Text is drawn with Qt's fonts, which need a GUI application object;
    // no display is needed or wanted.
    std::unique_ptr<QGuiApplication> app;
    int qtArgc = 1;
    char qtName[] = "quillmere-convert";
    char* qtArgv[] = {qtName, nullptr};
    if (!options.text.empty()) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        app = std::make_unique<QGuiApplication>(qtArgc, qtArgv);
    }

    const bool interactive = ::isatty(STDERR_FILENO) && !options.quiet;
    StderrPrompter prompter(PolicyOf(options.overwrite));
    auto notice = [&](const std::string& line) {
        if (!options.quiet)
            std::cerr << kProgram << ": " << line << "\n";
    };

    const std::string outputFolder = OutputFolder(options, prompter);
    GatheredPhotos gathered =
        GatherCommandLinePhotos(options.paths, options.format, prompter, notice);
    if (gathered.photos.empty()) {
        std::cerr << kProgram << ": no photos to convert\n";
        return 1;
    }

    const std::string runFolder = MakeRunFolderPath(outputFolder, std::time(nullptr));
    if (!CreateRunFolder(runFolder, prompter))
        return 1;

    const TextPositionCheck position =
        CheckTextPosition(options.xText, options.yText, options.format.nOutputWidth,
                          options.format.nOutputHeight, prompter);

    ConversionJob job;
    job.photos = std::move(gathered.photos);
    job.runFolder = runFolder;
    job.prefix = options.prefix;
    job.notRename = options.notRename;
    job.overlayText = options.text;
    job.xText = position.xReset ? "0" : options.xText;
    job.yText = position.yReset ? "0" : options.yText;
    job.font = options.font;
    job.color = options.color;
    job.jobs = options.jobs;
    const std::size_t total = job.photos.size();

    ProgressBar bar(total, interactive);
    prompter.SetAroundMessage([&] { bar.Suspend(); }, [&] { bar.Resume(); });
    std::atomic<std::size_t> done{0};
    RunCallbacks callbacks;
    callbacks.photoDone = [&](std::size_t, PhotoOutcome) { bar.SetDone(++done); };

    ActivityLog log(outputFolder);
    RunResult result;
    {
        ConversionRun run(std::move(job), prompter, log, std::move(callbacks));
        g_activeRun.store(&run);
        std::signal(SIGINT, OnInterrupt);
        bar.SetDone(0);
        result = run.Run();
        std::signal(SIGINT, SIG_DFL);
        g_activeRun.store(nullptr);
    }
    bar.Finish();
    prompter.SetAroundMessage({}, {});

    if (result.stopped)
        notice("stopped: " + std::to_string(result.total - result.converted - result.skipped -
                                             result.failed) +
               " photos not started");
    std::cout << runFolder << std::endl;
    const bool allConverted =
        result.converted == result.total && !result.stopped && gathered.skipped == 0;
    return allConverted ? 0 : 1;
}
