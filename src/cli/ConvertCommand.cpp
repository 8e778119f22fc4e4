#include "cli/ConvertCommand.h"

#include <QGuiApplication>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <memory>
#include <unistd.h>

#include "app/SettingsStore.h"
#include "app/WorkFolder.h"
#include "cli/CliGather.h"
#include "cli/CliOptions.h"
#include "cli/ProgressBar.h"
#include "app/Paths.h"
#include "convert/ActivityLog.h"
#include "convert/ConversionRun.h"
#include "convert/RunStart.h"

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
        return paths::EnsureTrailingSeparator(*options.outputFolder);
    // The command line keeps a settings store of its own that nothing
    // writes, so this is the window's first-start folder, created if missing.
    SettingsStore::SetRoot(settings::kMaker, kProgram);
    return paths::EnsureTrailingSeparator(GetOutputFolderSetting(
        settings::kOption, settings::kPhotoOutputFolder, HomeFolder(), prompter));
}

int ListValues(const std::string& option) {
    const auto values = ValuesOfOption(option);
    if (!values) {
        std::cerr << kProgram << ": option --" << option << " has no fixed set of values\n";
        return 2;
    }
    for (const std::string& value : *values)
        std::cout << value << "\n";
    return 0;
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
    if (options.listValues)
        return ListValues(*options.listValues);

    // Text is drawn with Qt's fonts, which need a GUI application object;
    // no display is needed or wanted.
    std::unique_ptr<QGuiApplication> app;
    int qtArgc = 1;
    char qtName[] = "quillmere-convert";
    char* qtArgv[] = {qtName, nullptr};
    if (!options.overlay.text.empty()) {
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

    RunRequest request;
    request.outputFolder = outputFolder;
    request.naming = options.naming;
    request.overlay = options.overlay;
    request.defaults = options.format;
    request.photos = std::move(gathered.photos);
    request.jobs = options.jobs;
    PreparedRun prepared = PrepareRun(std::move(request), prompter);
    if (!prepared.ready)
        return 1;
    const std::string runFolder = prepared.job.naming.runFolder;
    const std::size_t total = prepared.job.photos.size();

    ProgressBar bar(total, interactive);
    prompter.SetAroundMessage([&] { bar.Suspend(); }, [&] { bar.Resume(); });
    std::atomic<std::size_t> done{0};
    RunCallbacks callbacks;
    callbacks.photoDone = [&](std::size_t, const PhotoResult&) { bar.SetDone(++done); };

    ActivityLog log(outputFolder);
    RunResult result;
    {
        ConversionRun run(std::move(prepared.job), prompter, log, std::move(callbacks));
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
