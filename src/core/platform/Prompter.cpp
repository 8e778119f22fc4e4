#include "platform/Prompter.h"

#include <cctype>
#include <iostream>

#include "platform/Words.h"

namespace {

// An answer of Yes: one starting with the letter the question offers in
// the user's language ("j" in German), or with y in any language, as
// people used to English programs type it.
bool AnswersYes(const std::string& line) {
    if (line.empty())
        return false;
    const auto first = static_cast<char>(std::tolower(static_cast<unsigned char>(line[0])));
    const std::string yes =
        shown::translate("CommandLine", "y", "the letter that answers yes in \"[y/N]\"");
    return first == 'y' ||
           (yes.size() == 1 && first == std::tolower(static_cast<unsigned char>(yes[0])));
}

}  // namespace

void StderrPrompter::SetAroundMessage(std::function<void()> before, std::function<void()> after) {
    std::lock_guard lock(mutex_);
    before_ = std::move(before);
    after_ = std::move(after);
}

PromptAnswer StderrPrompter::Ask(const Prompt& prompt) {
    // One message at a time, even with several workers asking.
    std::lock_guard lock(mutex_);
    if (before_)
        before_();
    std::cerr << prompt.caption << ": " << prompt.text;
    if (!prompt.detail.empty())
        std::cerr << " (" << prompt.detail << ")";
    PromptAnswer answer = PromptAnswer::Ok;
    const bool question = prompt.buttons != PromptButtons::Ok;
    if (question) {
        switch (policy_) {
        case Policy::Yes:
            std::cerr << " " << shown::translate("CommandLine", "[yes]");
            answer = PromptAnswer::Yes;
            break;
        case Policy::No:
            std::cerr << " " << shown::translate("CommandLine", "[no]");
            answer = PromptAnswer::No;
            break;
        case Policy::Ask: {
            //: The answers of a question in the terminal: the letter of Yes, and N
            //: (the default) for No.
            std::cerr << " " << shown::translate("CommandLine", "[y/N]") << " " << std::flush;
            std::string line;
            answer = PromptAnswer::No;
            if (std::getline(std::cin, line) && AnswersYes(line))
                answer = PromptAnswer::Yes;
            break;
        }
        }
    }
    // The user's Enter ended the line already.
    if (!(question && policy_ == Policy::Ask))
        std::cerr << '\n';
    std::cerr << std::flush;
    if (after_)
        after_();
    return answer;
}
