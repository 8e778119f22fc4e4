// The options of name templates, output places and several outputs per run.

#include "CliRules.h"

#include <QtGlobal>

#include "model/NameTemplate.h"
#include "settings/PresetStore.h"

namespace cli {

std::vector<OptionRule> NameRules() {
    constexpr const char* kNames = QT_TRANSLATE_NOOP("CommandLine", "Names");
    return {
        {kNames,
         "name",
         0,
         "TEMPLATE",
         shown::translate("CommandLine",
                          "name the outputs by TEMPLATE instead: {name} {ext} {n} {n:3} {date} "
                          "{taken} {taken:%Y-%m-%d} {w} {h} {folder} {preset} {camera} "
                          "(\".{ext}\" is added when missing)"),
         [](const std::string& v, CliOptions& o) -> std::string {
             if (Status checked = CheckNameTemplate(v); !checked)
                 return words::Filled(shown::translate("CommandLine", "is refused: %1"),
                                      {checked.ShownReason()});
             o.naming.nameTemplate = v;
             return {};
         },
         {}},
        {kNames,
         "beside",
         0,
         "DIR",
         shown::translate("CommandLine",
                          "write each output into the folder DIR next to its original (made if "
                          "missing) instead of a run folder"),
         [](const std::string& v, CliOptions& o) -> std::string {
             if (v.empty() || v == "." || v == ".." || v.find('/') != std::string::npos)
                 return shown::translate("CommandLine", "must be a folder name without '/'");
             o.naming.besideFolder = v;
             return {};
         },
         {}},
        {kNames,
         "keep-file-date",
         0,
         nullptr,
         shown::translate("CommandLine", "give each output its original's modification time"),
         [](const std::string&, CliOptions& o) -> std::string {
             o.naming.keepFileDate = true;
             return {};
         },
         {}},
        {kNames,
         "outputs",
         0,
         "PRESETS",
         shown::translate("CommandLine",
                          "write one output per preset of the comma-separated list, each photo "
                          "decoded once; the names must differ (use {preset} in the template)"),
         [](const std::string& v, CliOptions& o) -> std::string {
             std::vector<std::string> names;
             for (std::size_t start = 0;;) {
                 const std::size_t comma = v.find(',', start);
                 names.push_back(v.substr(start, comma - start));
                 if (!presets::NameProblem(names.back()).empty())
                     return shown::translate("CommandLine",
                                             "must list preset names, separated by commas");
                 if (comma == std::string::npos)
                     break;
                 start = comma + 1;
             }
             o.outputPresets = names;
             return {};
         },
         {}},
    };
}

std::string ResolveOutputs(CliOptions& options, const PresetLookup& lookup) {
    options.outputs.clear();
    for (const std::string& name : options.outputPresets) {
        const Result<std::optional<Preset>> preset = lookup(name);
        if (!preset)
            return words::Filled(
                shown::translate("CommandLine", "option %1: preset '%2' is not used: %3"),
                {"--outputs", name, preset.GetStatus().Shown()});
        if (!preset.Value())
            return words::Filled(
                shown::translate("CommandLine",
                                 "option %1: no preset '%2' (--list-presets lists them)"),
                {"--outputs", name});
        options.outputs.push_back({name, preset.Value()->format,
                                   preset.Value()->naming.nameTemplate});
    }
    return {};
}

}  // namespace cli
