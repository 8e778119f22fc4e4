#include "run/OutputPaths.h"

#include <set>

#include "model/OptionTables.h"
#include "platform/Paths.h"
#include "run/RunNaming.h"

std::string NumberedPath(const std::string& path, std::size_t number) {
    const std::size_t slash = path.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    std::size_t dot = path.rfind('.');
    // A name that is only an extension (".jpg", an empty prefix) or has none.
    if (dot == std::string::npos || dot <= nameStart)
        dot = path.size();
    return path.substr(0, dot) + "-" + std::to_string(number) + path.substr(dot);
}

PlannedOutputs PlanOutputPaths(const std::vector<PhotoJob>& photos, const OutputNaming& naming) {
    PlannedOutputs planned;
    const std::size_t count = photos.size();
    planned.paths.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const PhotoSource& source = photos[i].source;
        const OutputFormatRow* row = OutputFormatFor(photos[i].settings.nOuptputFormat, source.format);
        planned.paths.push_back(MakeOutputPath(
            naming, i, count, source.path,
            NamingTime(naming.date, source.timeModified, source.timeTaken),
            row ? row->extension : "", source.searchRoot));
    }
    // Every first-formed path is kept for its photo; a numbered one must not
    // take a path another photo gets on its own.
    std::set<std::string> formed;
    for (const std::string& path : planned.paths) formed.insert(paths::AsciiLower(path));
    std::set<std::string> taken;
    for (std::string& path : planned.paths) {
        if (taken.insert(paths::AsciiLower(path)).second)
            continue;
        for (std::size_t number = 2;; ++number) {
            const std::string candidate = NumberedPath(path, number);
            const std::string key = paths::AsciiLower(candidate);
            if (!formed.count(key) && taken.insert(key).second) {
                path = candidate;
                break;
            }
        }
        ++planned.numberedApart;
    }
    return planned;
}
