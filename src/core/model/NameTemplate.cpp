#include "model/NameTemplate.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <functional>
#include <vector>

namespace {

constexpr const char* kTokens[] = {"name", "ext",   "n",      "date",  "taken",
                                   "w",    "h",     "folder", "preset", "camera"};
// strftime conversions that give a date or time without a line break.
constexpr const char* kDateConversions = "aAbBCdeFgGhHIjklmMpPsSuUVwWyYzZ%";

struct Token {
    std::string name;
    std::string option;  // after ':'
    bool hasOption = false;
};

// What a template's failure is about, as the user reads it.
Words TemplateSubject(const std::string& text) {
    return words::translate("Reasons", "the name template \"%1\"").Arg(text);
}

// Walks text: literal runs go to literal, tokens to token; a failure names
// the bad part.
Status Walk(const std::string& text, const std::function<void(const std::string&)>& literal,
            const std::function<void(const Token&)>& token) {
    auto bad = [&](const Words& what) { return Status::FailedAbout(TemplateSubject(text), what); };
    std::string run;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '}') {
            if (i + 1 < text.size() && text[i + 1] == '}') {
                run += '}';
                ++i;
                continue;
            }
            return bad(
                words::translate("Reasons", "a '}' without its '{' (write \"}}\" for a brace)"));
        }
        if (c != '{') {
            run += c;
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == '{') {
            run += '{';
            ++i;
            continue;
        }
        const std::size_t close = text.find('}', i);
        if (close == std::string::npos)
            return bad(
                words::translate("Reasons", "\"%1\" is not closed by '}'").Arg(text.substr(i)));
        const std::string inside = text.substr(i + 1, close - i - 1);
        Token t;
        const std::size_t colon = inside.find(':');
        t.name = inside.substr(0, colon);
        if (colon != std::string::npos) {
            t.hasOption = true;
            t.option = inside.substr(colon + 1);
        }
        const std::string whole = "{" + inside + "}";
        bool known = false;
        for (const char* name : kTokens) known = known || t.name == name;
        if (!known)
            return bad(words::translate("Reasons", "unknown token %1").Arg(whole));
        if (t.hasOption) {
            if (t.name == "n") {
                const bool digits = !t.option.empty() && t.option.size() <= 2 &&
                                    t.option.find_first_not_of("0123456789") == std::string::npos;
                if (!digits || std::stoi(t.option) < 1 || std::stoi(t.option) > 10)
                    return bad(
                        words::translate("Reasons", "the width in %1 must be a number from 1 to 10")
                            .Arg(whole));
            } else if (t.name == "date" || t.name == "taken") {
                if (t.option.empty())
                    return bad(
                        words::translate("Reasons", "the date format in %1 is empty").Arg(whole));
                for (std::size_t k = 0; k < t.option.size(); ++k) {
                    if (t.option[k] != '%')
                        continue;
                    if (k + 1 == t.option.size() ||
                        !std::strchr(kDateConversions, t.option[k + 1]))
                        return bad(words::translate("Reasons", "unknown date format \"%1\" in %2")
                                       .Arg({t.option.substr(k, 2), whole}));
                    ++k;
                }
            } else {
                return bad(words::translate("Reasons", "the token %1 takes no format").Arg(whole));
            }
        }
        if (!run.empty())
            literal(run);
        run.clear();
        token(t);
        i = close;
    }
    if (!run.empty())
        literal(run);
    return Status::Ok();
}

Status CheckCharacters(const std::string& text) {
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '/' || u < 0x20 || u == 0x7F) {
            return Status::FailedAbout(
                TemplateSubject(text),
                c == '/' ? words::translate("Reasons", "'/' is not allowed in a file name")
                         : words::translate("Reasons",
                                            "a control character is not allowed in a file name"));
        }
    }
    return Status::Ok();
}

std::string DateText(int64_t time, const Token& token) {
    const std::time_t when = static_cast<std::time_t>(time);
    std::tm local{};
    localtime_r(&when, &local);
    char text[256];
    if (!token.hasOption) {
        std::snprintf(text, sizeof text, "%04d.%02d.%02d", local.tm_year + 1900,
                      local.tm_mon + 1, local.tm_mday);
        return text;
    }
    const std::size_t n = std::strftime(text, sizeof text, token.option.c_str(), &local);
    return std::string(text, n);
}

std::string NumberText(int64_t number, int digits) {
    char text[48];
    std::snprintf(text, sizeof text, "%0*lld", digits, static_cast<long long>(number));
    return text;
}

std::string FolderName(const std::string& path) {
    std::string folder = path.substr(0, path.rfind('/') == std::string::npos ? 0 : path.rfind('/'));
    const std::size_t slash = folder.rfind('/');
    return slash == std::string::npos ? folder : folder.substr(slash + 1);
}

std::string SourceTitle(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return name;
}

std::string NoSlash(std::string value) {
    for (char& c : value)
        if (c == '/')
            c = '_';
    return value;
}

}  // namespace

Status CheckNameTemplate(const std::string& text) {
    if (Status characters = CheckCharacters(text); !characters)
        return characters;
    bool names = false;
    Status walked = Walk(
        text, [&](const std::string&) { names = true; },
        [&](const Token& t) { names = names || t.name != "ext"; });
    if (!walked)
        return walked;
    if (!names)
        return Status::FailedAbout(
            TemplateSubject(text),
            words::translate("Reasons", "it names nothing but the extension"));
    return Status::Ok();
}

bool TemplateUses(const std::string& text, const std::string& token) {
    bool used = false;
    (void)Walk(text, [](const std::string&) {}, [&](const Token& t) { used = used || t.name == token; });
    return used;
}

std::string FillNameTemplate(const std::string& text, const NameFacts& facts) {
    std::string name;
    bool hasExtension = false;
    (void)Walk(
        text, [&](const std::string& run) { name += run; },
        [&](const Token& t) {
            if (t.name == "name")
                name += SourceTitle(facts.sourcePath);
            else if (t.name == "ext") {
                name += facts.extension;
                hasExtension = true;
            } else if (t.name == "n")
                name += NumberText(facts.number, t.hasOption ? std::stoi(t.option) : facts.numberDigits);
            else if (t.name == "date")
                name += NoSlash(DateText(facts.date, t));
            else if (t.name == "taken")
                name += NoSlash(DateText(facts.taken != 0 ? facts.taken : facts.fileTime, t));
            else if (t.name == "w")
                name += std::to_string(facts.width);
            else if (t.name == "h")
                name += std::to_string(facts.height);
            else if (t.name == "folder")
                name += FolderName(facts.sourcePath);
            else if (t.name == "preset")
                name += NoSlash(facts.preset);
            else if (t.name == "camera")
                name += NoSlash(facts.camera);
        });
    if (!hasExtension)
        name += "." + facts.extension;
    return name;
}

std::string PrefixNameTemplate(const std::string& prefix) {
    std::string escaped;
    for (const char c : prefix) {
        escaped += c;
        if (c == '{' || c == '}')
            escaped += c;
    }
    return escaped + ".{n}.{date}.{ext}";
}
