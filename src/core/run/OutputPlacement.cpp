#include "run/OutputPlacement.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <set>

#include "metadata/CameraDataRead.h"
#include "model/OptionTables.h"
#include "platform/Paths.h"
#include "platform/Words.h"
#include "run/OutputPaths.h"
#include "run/RunNaming.h"

namespace {

std::string CameraOf(const std::string& path) {
    std::string camera = ReadCameraData(path).camera;
    while (!camera.empty() && (camera.back() == ' ' || camera.back() == '\0'))
        camera.pop_back();
    return camera;
}

}  // namespace

std::string TemplateOfNaming(const OutputNaming& naming) {
    if (!naming.nameTemplate.empty())
        return naming.nameTemplate;
    return naming.notRename ? kKeepNameTemplate : PrefixNameTemplate(naming.prefix);
}

std::string OutputFolderOf(const OutputNaming& naming, const std::string& sourcePath,
                           const std::string& searchRoot) {
    if (!naming.besideFolder.empty())
        return paths::GetFolderOfPath(sourcePath) +
               paths::EnsureTrailingSeparator(naming.besideFolder);
    return naming.runFolder + (naming.keepFolders ? KeptSubFolder(sourcePath, searchRoot) : "");
}

Result<RunPaths> PlanRunPaths(const std::vector<PhotoJob>& photos, const OutputNaming& naming,
                              const std::vector<RunOutput>& outputs) {
    RunPaths planned;
    const std::size_t count = photos.size();
    const std::size_t perPhoto = outputs.empty() ? 1 : outputs.size();
    const std::string runTemplate = TemplateOfNaming(naming);
    const std::size_t last = static_cast<std::size_t>(naming.numberStart) + count - 1;
    const int32_t digits = naming.numberWidth > 0
                               ? naming.numberWidth
                               : static_cast<int32_t>(std::to_string(last).size());
    if (Status checked = CheckNameTemplate(runTemplate); !checked && !naming.nameTemplate.empty())
        return checked;
    bool camera = TemplateUses(runTemplate, "camera");
    for (const RunOutput& output : outputs) {
        if (output.nameTemplate.empty())
            continue;
        if (Status checked = CheckNameTemplate(output.nameTemplate); !checked) {
            Words about = words::translate("Reasons", "preset %1: %2");
            about.english = words::Filled(about.english, {output.name, checked.Subject()});
            about.shown = words::Filled(about.shown, {output.name, checked.ShownSubject()});
            return checked.About(std::move(about));
        }
        camera = camera || TemplateUses(output.nameTemplate, "camera");
    }

    std::set<std::string> sources;
    for (const PhotoJob& photo : photos) sources.insert(photo.source.path);
    planned.paths.reserve(count * perPhoto);
    for (std::size_t i = 0; i < count; ++i) {
        const PhotoSource& source = photos[i].source;
        const std::vector<PhotoJob> jobs =
            outputs.empty() ? std::vector<PhotoJob>{photos[i]} : JobsOfOutputs(photos[i], outputs);
        NameFacts facts;
        facts.sourcePath = source.path;
        facts.number = naming.numberStart + static_cast<int64_t>(i);
        facts.numberDigits = digits;
        facts.date = NamingTime(naming.date, source.timeModified, source.timeTaken);
        facts.taken = source.timeTaken;
        facts.fileTime = source.timeModified;
        if (camera)
            facts.camera = CameraOf(source.path);
        const std::string folder = OutputFolderOf(naming, source.path, source.searchRoot);
        std::set<std::string> ofPhoto;
        for (std::size_t k = 0; k < jobs.size(); ++k) {
            const OutputFormatRow* row =
                OutputFormatFor(jobs[k].settings.nOuptputFormat, source.format);
            facts.extension = row ? row->extension : "";
            facts.width = jobs[k].plan.width;
            facts.height = jobs[k].plan.height;
            facts.preset = outputs.empty() ? std::string() : outputs[k].name;
            const std::string& templ = !outputs.empty() && !outputs[k].nameTemplate.empty()
                                           ? outputs[k].nameTemplate
                                           : runTemplate;
            const std::string path = folder + FillNameTemplate(templ, facts);
            if (sources.count(path))
                return Status::Failed(
                    path,
                    words::translate("Reasons",
                                     "the output would replace one of the photos being converted"));
            if (!ofPhoto.insert(paths::AsciiLower(path)).second)
                return Status::Failed(path, words::translate("Reasons",
                                                             "two outputs of %1 would have this "
                                                             "name; give each preset its own name, "
                                                             "for example with {preset}")
                                                .Arg(source.path));
            planned.paths.push_back(path);
        }
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
            if (!formed.count(key) && !sources.count(candidate) && taken.insert(key).second) {
                path = candidate;
                break;
            }
        }
        ++planned.numberedApart;
    }
    return planned;
}

Status CopyFileTime(const std::string& sourcePath, const std::string& outputPath) {
    struct stat st {};
    if (::stat(sourcePath.c_str(), &st) != 0)
        return Status::Failed(sourcePath, std::strerror(errno));
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    if (::utimensat(AT_FDCWD, outputPath.c_str(), times, 0) != 0)
        return Status::Failed(outputPath,
                              words::translate("Reasons", "the file date could not be set: %1")
                                  .Arg(std::strerror(errno)));
    return Status::Ok();
}

Result<std::string> ExampleOutputName(const OutputNaming& naming, const PhotoJob& first,
                                      std::size_t count, const std::vector<RunOutput>& outputs) {
    OutputNaming asRun = naming;
    if (asRun.numberWidth <= 0)
        asRun.numberWidth = static_cast<int32_t>(
            std::to_string(static_cast<std::size_t>(naming.numberStart) + count - 1).size());
    Result<RunPaths> planned = PlanRunPaths({first}, asRun, outputs);
    if (!planned)
        return planned.GetStatus();
    return paths::NameOfPath(planned.Value().paths.front());
}
