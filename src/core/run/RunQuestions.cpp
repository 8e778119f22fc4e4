#include "run/RunQuestions.h"

PromptAnswer RunQuestions::Ask(const Prompt& prompt) {
    if (prompt.buttons == PromptButtons::Ok) {
        if (!tellFailures_)
            return PromptAnswer::Ok;
        return user_.Ask(prompt);
    }
    std::lock_guard lock(asking_);
    const bool toAll = prompt.buttons == PromptButtons::YesNoAll;
    if (toAll && toAll_)
        return *toAll_;
    switch (const PromptAnswer answer = user_.Ask(prompt)) {
        case PromptAnswer::YesToAll:
            toAll_ = PromptAnswer::Yes;
            return PromptAnswer::Yes;
        case PromptAnswer::NoToAll:
            toAll_ = PromptAnswer::No;
            return PromptAnswer::No;
        default: return answer;
    }
}
