#include "platform/Prompter.h"

#include <iostream>

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
            std::cerr << " [yes]";
            answer = PromptAnswer::Yes;
            break;
        case Policy::No:
            std::cerr << " [no]";
            answer = PromptAnswer::No;
            break;
        case Policy::Ask: {
            std::cerr << " [y/N] " << std::flush;
            std::string line;
            answer = PromptAnswer::No;
            if (std::getline(std::cin, line) && !line.empty() && (line[0] == 'y' || line[0] == 'Y'))
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
