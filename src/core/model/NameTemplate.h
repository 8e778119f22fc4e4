#pragma once
// A name template: the file name of each output, made of literal text and
// tokens in braces. "{name}_web" names IMG_0001.jpg's output
// "IMG_0001_web.jpg"; the prefix naming is the template
// "<prefix>.{n}.{date}.{ext}", with braces in the prefix doubled.
//
// Tokens: {name} the source name without its extension, {ext} the output
// extension (".{ext}" is added to a template without it), {n} the photo's
// number padded as the run pads it ({n:3}: to three digits), {date} the
// date the run's date choice gives and {taken} the time taken (the file's
// time when unknown), both "%Y.%m.%d" unless a strftime format follows a
// colon ({taken:%Y-%m-%d_%H%M}), {w} and {h} the output size, {folder} the
// source folder's name, {preset} the preset's name, {camera} the camera
// model. "{{" and "}}" stand for a brace.

#include <cstdint>
#include <string>

#include "platform/Status.h"

// What the tokens of one output's name stand for.
struct NameFacts {
    std::string sourcePath;
    std::string extension;  // of the output, without dot; may be empty
    int64_t number = 0;
    int32_t numberDigits = 1;  // the run's padding of {n}
    int64_t date = 0;          // seconds since the epoch, for {date}
    int64_t taken = 0;         // for {taken}; 0: the file's time (fileTime)
    int64_t fileTime = 0;
    int32_t width = 0;  // the output's size
    int32_t height = 0;
    std::string preset;
    std::string camera;
};

// Ok, or a failure naming the first bad part of text: an unknown token, an
// unclosed brace, a width or date format a token does not take, a
// character no file name holds ('/', control characters), or a template
// that names nothing.
Status CheckNameTemplate(const std::string& text);

// True when the template uses the token (its name without braces and
// options, "camera"), so that a fact costly to find is found only then.
bool TemplateUses(const std::string& text, const std::string& token);

// The file name text gives for facts; text must pass CheckNameTemplate.
// A token's value never brings a '/' into the name (it becomes '_').
std::string FillNameTemplate(const std::string& text, const NameFacts& facts);

// The template of the prefix naming, and of "Not rename" ("{name}.{ext}").
std::string PrefixNameTemplate(const std::string& prefix);
inline const char* const kKeepNameTemplate = "{name}.{ext}";
