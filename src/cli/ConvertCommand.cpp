#include "ConvertCommand.h"

#include <unistd.h>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>

#include "CliGather.h"
#include "CliOptions.h"
#include "ProgressBar.h"
#include "RunReport.h"
#include "SummaryFile.h"
#include "TextDrawing.h"
#include "platform/Paths.h"
#include "platform/SettingsStore.h"
#include "platform/Words.h"
#include "platform/WorkFolder.h"
#include "run/ActivityLog.h"
#include "run/ConversionRun.h"
#include "run/RunStart.h"
#include "settings/PresetStore.h"

namespace {

constexpr const char* kProgram = "quillmere-convert";

std::atomic<ConversionRun*> g_activeRun{nullptr};
static_assert(std::atomic<ConversionRun*>::is_always_lock_free);

// Ctrl-C, a plain kill and a closed terminal all stop a run the same way.
constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

// The first one lets the photos in hand finish; a second one of the same
// kind ends the process at once.
extern "C" void OnStopSignal(int signal) {
    if (ConversionRun* run = g_activeRun.load())
        run->RequestStop();
    std::signal(signal, SIG_DFL);
}

void HandleStopSignals(void (*handler)(int)) {
    for (const int signal : kStopSignals) std::signal(signal, handler);
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

// The paths of --files-from, or why they cannot be read.
Result<std::vector<std::string>> ReadPathList(const CliOptions& options) {
    std::string text;
    if (*options.filesFrom == "-") {
        text.assign(std::istreambuf_iterator<char>(std::cin), {});
        if (std::cin.bad())
            return Status::Failed({},
                                  words::translate("Reasons", "standard input could not be read"));
    } else {
        std::ifstream in(*options.filesFrom, std::ios::binary);
        if (in)
            text.assign(std::istreambuf_iterator<char>(in), {});
        if (!in && !in.eof())
            return Status::Failed(*options.filesFrom, std::strerror(errno));
    }
    return SplitPathList(text, options.nulSeparated);
}

// --list-presets and --save-preset; true when the command ends there with
// status.
bool PresetCommands(const CliOptions& options, int& status) {
    if (options.listPresets) {
        for (const std::string& name : presets::Names()) std::cout << name << "\n";
        status = 0;
        return true;
    }
    if (options.savePreset) {
        std::string reason;
        if (!presets::Save(*options.savePreset, PresetOfOptions(options), &reason)) {
            std::cerr << kProgram << ": "
                      << words::Filled(shown::translate("CommandLine", "preset '%1' not saved: %2"),
                                       {*options.savePreset, words::Shown("Reasons", reason)})
                      << "\n";
            status = 1;
            return true;
        }
        if (!options.quiet)
            std::cerr << kProgram << ": "
                      << words::Filled(shown::translate("CommandLine", "preset '%1' saved in %2"),
                                       {*options.savePreset, presets::Location()})
                      << "\n";
        status = 0;
        return options.paths.empty() && !options.filesFrom;
    }
    return false;
}

// "quillmere-convert: option --report: /x/r.jsonl: Permission denied".
void OptionFailed(const char* option, const Status& failure) {
    std::cerr << kProgram << ": "
              << words::Filled(shown::translate("CommandLine", "option %1: %2"),
                               {option, failure.Shown()})
              << "\n";
}

int ListValues(const std::string& option) {
    const auto values = ValuesOfOption(option);
    if (!values) {
        std::cerr << kProgram << ": "
                  << words::Filled(
                         shown::translate("CommandLine", "option %1 has no fixed set of values"),
                         {"--" + option})
                  << "\n";
        return 2;
    }
    for (const std::string& value : *values) std::cout << value << "\n";
    return 0;
}

}  // namespace

int RunConvertCommand(const std::vector<std::string>& args) {
    const ParseOutcome parsed = ParseArguments(args);
    if (!parsed.ok) {
        std::cerr << kProgram << ": " << parsed.error << "\n"
                  << words::Filled(
                         shown::translate("CommandLine", "Try '%1 --help' for more information."),
                         {kProgram})
                  << "\n";
        return 2;
    }
    const CliOptions& options = parsed.options;
    if (!options.quiet)
        for (const std::string& line : parsed.notices) std::cerr << kProgram << ": " << line << "\n";
    if (options.help) {
        // In the user's language; --list-values, --version, the report and
        // the printed run folder stay as scripts read them.
        std::cout << UsageText();
        return 0;
    }
    if (options.version) {
        std::cout << kProgram << " " << QUILLMERE_VERSION << "\n";
        return 0;
    }
    if (options.listValues)
        return ListValues(*options.listValues);
    int presetStatus = 0;
    if (PresetCommands(options, presetStatus))
        return presetStatus;

    std::vector<std::string> paths = options.paths;
    if (options.filesFrom) {
        Result<std::vector<std::string>> listed = ReadPathList(options);
        if (!listed) {
            OptionFailed("--files-from", listed.GetStatus());
            return 2;
        }
        for (std::string& path : listed.Value()) paths.push_back(std::move(path));
    }
    RunReport report;
    if (options.report) {
        if (Status opened = report.Open(*options.report); !opened) {
            OptionFailed("--report", opened);
            return 2;
        }
    }

    SummaryFile summary;
    if (options.summary) {
        if (Status opened = summary.Open(*options.summary); !opened) {
            OptionFailed("--summary", opened);
            return 2;
        }
    }

    const bool interactive = ::isatty(STDERR_FILENO) && !options.quiet;
    StderrPrompter prompter(PolicyOf(options.overwrite));
    auto notice = [&](const std::string& line) {
        if (!options.quiet)
            std::cerr << kProgram << ": " << line << "\n";
    };
    const TextDrawing text(options.overlay, notice);

    const std::string outputFolder = OutputFolder(options, prompter);
    // Where this run writes is not searched for photos.
    GatheredPhotos gathered = GatherCommandLinePhotos(paths, options.format, prompter, notice,
                                                      options.into.value_or(outputFolder));
    report.Refused(gathered.refused);
    summary.Refused(gathered.refused);
    std::string runFolder;
    // The report's and the people's summaries, then the exit status.
    auto finish = [&](const RunResult& result, int status) {
        if (summary.IsOpen()) {
            if (Status written = summary.Finish(result, runFolder); !written) {
                OptionFailed("--summary", written);
                status = 1;
            }
        }
        if (!report.IsOpen())
            return status;
        if (Status written = report.Finish(result, status); !written) {
            OptionFailed("--report", written);
            return 1;
        }
        return status;
    };
    if (gathered.photos.empty()) {
        std::cerr << kProgram << ": " << shown::translate("CommandLine", "no photos to convert")
                  << "\n";
        return finish({}, 1);
    }

    RunRequest request;
    request.outputFolder = outputFolder;
    request.intoFolder = options.into.value_or("");
    request.naming = options.naming;
    request.overlay = options.overlay;
    request.defaults = options.format;
    request.photos = std::move(gathered.photos);
    request.jobs = options.jobs;
    request.memoryBudget = static_cast<uint64_t>(options.maxMemoryMiB) << 20;
    request.outputs = options.outputs;
    const std::size_t photoCount = request.photos.size();
    PreparedRun prepared = PrepareRun(std::move(request), prompter);
    if (!prepared.ready)
        return finish({photoCount, 0, 0, 0, true}, 1);
    report.Begin(prepared.job.photos);
    std::vector<std::string> sources;
    for (const PhotoJob& photo : prepared.job.photos) sources.push_back(photo.source.path);
    runFolder = prepared.job.naming.runFolder;
    const std::size_t total = prepared.job.photos.size();

    ProgressBar bar(total, interactive);
    prompter.SetAroundMessage([&] { bar.Suspend(); }, [&] { bar.Resume(); });
    std::atomic<std::size_t> done{0};
    RunCallbacks callbacks;
    callbacks.outputPath = [&](std::size_t index, const std::string& path) {
        report.OutputPath(index, path);
    };
    report.SetOutputs(options.outputs);
    callbacks.outputDone = [&](std::size_t index, std::size_t output, const std::string& path,
                               const PhotoResult& result) {
        report.OutputDone(index, output, path, result);
    };
    callbacks.photoDone = [&](std::size_t index, const PhotoResult& result) {
        report.PhotoDone(index, result);
        if (summary.IsOpen())
            summary.PhotoDone(index, sources[index], result);
        bar.SetDone(++done);
    };

    ActivityLog log(outputFolder);
    RunResult result;
    {
        ConversionRun run(std::move(prepared.job), prompter, log, std::move(callbacks));
        g_activeRun.store(&run);
        HandleStopSignals(OnStopSignal);
        bar.SetDone(0);
        result = run.Run();
        HandleStopSignals(SIG_DFL);
        g_activeRun.store(nullptr);
    }
    bar.Finish();
    prompter.SetAroundMessage({}, {});

    if (!result.outputNames.empty()) {
        std::string counts;
        for (std::size_t k = 0; k < result.outputNames.size(); ++k)
            counts += (k ? ", " : "") + result.outputNames[k] + " " +
                      std::to_string(result.writtenPerOutput[k]);
        notice(words::Filled(shown::translate("CommandLine", "written per preset: %1"), {counts}));
    }
    const int notStarted = static_cast<int>(result.NotStarted());
    if (result.stopped)
        notice(
            shown::translate("CommandLine", "stopped: %n photos not started", nullptr, notStarted));
    // Outputs next to their originals have no one folder to show.
    if (!runFolder.empty())
        std::cout << runFolder << std::endl;
    const bool allConverted =
        result.converted == result.total && !result.stopped && gathered.refused.empty();
    return finish(result, allConverted ? 0 : 1);
}
