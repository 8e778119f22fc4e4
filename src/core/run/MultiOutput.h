#pragma once
// Several outputs of each photo in one run, one per preset: the photo is
// decoded once and each output is made from that decode.

#include <cstddef>
#include <string>
#include <vector>

#include "model/OutputPhotoFormat.h"
#include "model/PhotoJob.h"
#include "model/TextOverlay.h"
#include "platform/Prompter.h"
#include "run/ConvertPhoto.h"

// One of a run's outputs: a preset's settings and name template.
struct RunOutput {
    std::string name;          // the preset's, for {preset} and the counts
    OutputPhotoFormat format;  // the size rule is applied to each photo
    std::string nameTemplate;  // empty: the run's naming

    bool operator==(const RunOutput&) const = default;
};

// The jobs of photo for each output, in the outputs' order: the output's
// settings and the plan its size rule makes for the photo's size. A photo
// the rule cannot plan keeps the photo's own plan (its failure comes when
// it is converted).
std::vector<PhotoJob> JobsOfOutputs(const PhotoJob& photo, const std::vector<RunOutput>& outputs);

// What the outputs of one photo are made from: the largest drawable output
// (none: no output can be drawn) and the plan of the one decode, its picture
// when every other output can be made from it, else the source's own size.
struct OutputsDecode {
    const PhotoJob* largest = nullptr;  // one of the jobs
    OutputPlan plan;
};
OutputsDecode DecodeOfOutputs(const std::vector<PhotoJob>& jobs);

// Converts the jobs of one photo (the same source, each with its output
// path) from a single decode: the largest output's picture is decoded once,
// outputs whose picture is that size are laid out from it as is, smaller
// ones are resampled from it where that matches a fresh resize within
// rounding (a reduction by at least a third, from a decode that was not
// enlarged), and otherwise the source is decoded once at its own size for
// all of them. Each output is asked about and written as ConvertPhoto
// writes one; results in the jobs' order. With atOnce above 1 (cores a run
// leaves idle), the outputs' pictures are laid out from the decode's rows
// as they come, beside the decode, and up to atOnce outputs are encoded at
// the same time once it is made; their questions may then come in any order.
// The bytes of every output are the same either way.
std::vector<PhotoResult> ConvertPhotoOutputs(const std::vector<PhotoJob>& jobs,
                                             const TextOverlay& overlay, Prompter& prompter,
                                             int atOnce = 1);
