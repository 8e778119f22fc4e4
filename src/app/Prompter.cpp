#include "app/Prompter.h"

#include <cstdio>
#include <iostream>

PromptAnswer RecordingPrompter::Ask(const std::string& text, const std::string& caption,
                                    PromptButtons buttons, PromptIcon icon) {
    std::lock_guard lock(mutex_);
    prompts_.push_back({text, caption, buttons, icon});
    if (buttons == PromptButtons::Ok)
        return PromptAnswer::Ok;
    if (script_.empty())
        return fallback_;
    PromptAnswer answer = script_.front();
    script_.pop_front();
    return answer;
}

void RecordingPrompter::Script(std::initializer_list<PromptAnswer> answers) {
    std::lock_guard lock(mutex_);
    script_.insert(script_.end(), answers.begin(), answers.end());
}

void RecordingPrompter::SetFallback(PromptAnswer answer) {
    std::lock_guard lock(mutex_);
    fallback_ = answer;
}

std::vector<RecordingPrompter::Prompt> RecordingPrompter::Prompts() const {
    std::lock_guard lock(mutex_);
    return prompts_;
}

std::vector<std::string> RecordingPrompter::Texts() const {
    std::lock_guard lock(mutex_);
    std::vector<std::string> texts;
    for (const Prompt& p : prompts_)
        texts.push_back(p.text);
    return texts;
}

void RecordingPrompter::Clear() {
    std::lock_guard lock(mutex_);
    prompts_.clear();
    script_.clear();
}

void StderrPrompter::SetAroundMessage(std::function<void()> before, std::function<void()> after) {
    std::lock_guard lock(mutex_);
    before_ = std::move(before);
    after_ = std::move(after);
}

PromptAnswer StderrPrompter::Ask(const std::string& text, const std::string& caption,
                                 PromptButtons buttons, PromptIcon) {
    // One message at a time, even with several workers asking.
    std::lock_guard lock(mutex_);
    if (before_)
        before_();
    std::cerr << caption << ": " << text;
    PromptAnswer answer = PromptAnswer::Ok;
    if (buttons == PromptButtons::YesNo) {
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
    if (!(buttons == PromptButtons::YesNo && policy_ == Policy::Ask))
        std::cerr << '\n';
    std::cerr << std::flush;
    if (after_)
        after_();
    return answer;
}
