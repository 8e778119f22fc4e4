#include "run/RunSummary.h"

#include <cmath>

#include "model/OptionTables.h"
#include "platform/DisplayLocale.h"
#include "platform/Words.h"
#include "texts/PlainReasons.h"

std::string GroupedNumber(std::size_t number) {
    std::string digits = std::to_string(number);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), ",");
    return digits;
}

std::string ShownNumber(std::size_t number) {
    const QLocale locale = DisplayLocale();
    if (locale.language() == QLocale::C)
        return GroupedNumber(number);
    return locale.toString(static_cast<qulonglong>(number)).toStdString();
}

std::string ProgressText(std::size_t done, std::size_t total, std::optional<double> secondsLeft) {
    std::string text = words::Filled(shown::translate("RunSummary", "%1 of %2"),
                                     {ShownNumber(done), ShownNumber(total)});
    if (!secondsLeft || done >= total)
        return text;
    const double seconds = *secondsLeft;
    text += " \u00b7 ";
    if (seconds < 60)
        return text + shown::translate("RunSummary", "less than a minute left");
    // Counts in variables of their own: the translators' tools read the
    // call's arguments and lose a count written as a cast.
    const int minutes = static_cast<int>(std::lround(seconds / 60));
    const int hours = static_cast<int>(std::lround(seconds / 3600));
    if (seconds < 90 * 60)
        return text + shown::translate("RunSummary", "about %n min left", nullptr, minutes);
    return text + shown::translate("RunSummary", "about %n h left", nullptr, hours);
}

std::optional<double> SecondsLeft(std::size_t finishedThisRun, double elapsedSeconds,
                                  std::size_t remaining) {
    if (finishedThisRun == 0)
        return std::nullopt;
    return elapsedSeconds / static_cast<double>(finishedThisRun) * static_cast<double>(remaining);
}

std::string EnglishPlainReasonOf(const PhotoResult& result) {
    std::string plain = PlainReason(result.reason);
    if (plain.empty())
        plain = PlainReason(result.message);
    return plain.empty() ? result.message : plain;
}

std::string PlainReasonOf(const PhotoResult& result) {
    std::string plain = PlainReason(result.reason);
    if (plain.empty())
        plain = PlainReason(result.message);
    return plain.empty() ? result.ShownMessage() : words::Shown("Reasons", plain);
}

namespace {

std::string FormatText(const OutputPhotoFormat& format) {
    const OutputFormatRow* row = FindOutputFormat(format.nOuptputFormat);
    if (!row)
        return "format " + std::to_string(format.nOuptputFormat);
    std::string text = row->listText;
    if (row->settings & kUsesQuality)
        text += " " + std::to_string(format.nCurrentJpegQuality);
    return text;
}

std::string SizeText(const OutputPhotoFormat& format) {
    switch (format.nOuputSizeType) {
        case kSizeOriginal: return "original size";
        case kSizeFixed:
            return std::to_string(format.nOutputWidth) + " x " +
                   std::to_string(format.nOutputHeight) +
                   (format.nKeepAspectRatio == kKeepWidth    ? " from the width"
                    : format.nKeepAspectRatio == kKeepHeight ? " from the height"
                                                             : "");
        default: {
            const SizeRuleRow* rule = FindSizeRule(format.nOuputSizeType);
            return rule ? std::string(rule->cliName) + " " + std::to_string(format.nOutputWidth) +
                              " x " + std::to_string(format.nOutputHeight)
                        : "size rule " + std::to_string(format.nOuputSizeType);
        }
    }
}

}  // namespace

std::string RunSettingsLine(const ConversionJob& job) {
    std::string line;
    if (!job.photos.empty()) {
        const OutputPhotoFormat& first = job.photos.front().settings;
        line = FormatText(first) + ", " + SizeText(first) + ", rotate " +
               std::to_string(first.nRotateAngel);
        std::size_t differ = 0;
        for (const PhotoJob& photo : job.photos)
            differ += FormatText(photo.settings) != FormatText(first) ||
                      photo.settings.nOuputSizeType != first.nOuputSizeType ||
                      photo.settings.nRotateAngel != first.nRotateAngel;
        if (differ > 0)
            line += " (" + GroupedNumber(differ) + " photos with other settings)";
    }
    line += job.naming.notRename ? ", names kept" : ", prefix \"" + job.naming.prefix + "\"";
    if (job.naming.keepFolders)
        line += ", sub-folders kept";
    if (!job.overlay.text.empty())
        line += ", text \"" + job.overlay.text + "\"";
    return line;
}

std::string RunEndLogLine(const RunResult& result) {
    std::string line = result.stopped ? "Stopped: " : "Conversion ended: ";
    line += GroupedNumber(result.converted) + " of " + GroupedNumber(result.total) + " converted, " +
            GroupedNumber(result.failed) + " failed, " + GroupedNumber(result.skipped) +
            " not replaced, " + GroupedNumber(result.NotStarted()) + " not started";
    if (result.numberedApart > 0)
        line += ", " + GroupedNumber(result.numberedApart) + " numbered apart";
    return line;
}
