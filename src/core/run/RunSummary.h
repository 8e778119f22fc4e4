#pragma once
// What a run's progress and its end say, in the words the window and the
// log use: counts with thousands grouped, the time left, the reason of a
// photo in plain words and the settings of a run in one line.

#include <cstddef>
#include <optional>
#include <string>

#include "run/ConversionRun.h"

// 5000 -> "5,000".
std::string GroupedNumber(std::size_t number);
// A count as the user reads it: in the display locale's digits and
// grouping ("5.000" in German), GroupedNumber's form where no locale is set.
std::string ShownNumber(std::size_t number);

// "1,430 of 5,000 · about 2 min left"; without the time when it is not
// known yet (nothing finished in this run).
std::string ProgressText(std::size_t done, std::size_t total, std::optional<double> secondsLeft);

// The time the rest should take at the pace so far: finished photos of this
// run in elapsed seconds, remaining photos still to go; nothing before the
// first photo is finished.
std::optional<double> SecondsLeft(std::size_t finishedThisRun, double elapsedSeconds,
                                  std::size_t remaining);

// Why the photo was not converted, as a list or a summary shows it: the
// plain sentence of its reason (texts/PlainReasons.h), else its message; in
// the user's language.
std::string PlainReasonOf(const PhotoResult& result);
// The same in English, for the log.
std::string EnglishPlainReasonOf(const PhotoResult& result);

// The settings a run converts with, for the log's start line: the output
// format and size of its first photo (and how many photos differ from it),
// the naming and the overlay text.
std::string RunSettingsLine(const ConversionJob& job);

// The log's last line of a run: "Stopped: ..." or "Conversion ended: ..."
// with every count.
std::string RunEndLogLine(const RunResult& result);
