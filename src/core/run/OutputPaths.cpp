#include "run/OutputPaths.h"


#include "platform/Paths.h"
#include "run/OutputPlacement.h"

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
    Result<RunPaths> run = PlanRunPaths(photos, naming);
    if (!run)
        return {};
    return {std::move(run.Value().paths), run.Value().numberedApart};
}
