#include "support/RecordingPrompter.h"

PromptAnswer RecordingPrompter::Ask(const Prompt& prompt) {
    std::lock_guard lock(mutex_);
    prompts_.push_back(prompt);
    if (prompt.buttons == PromptButtons::Ok)
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

std::vector<Prompt> RecordingPrompter::Prompts() const {
    std::lock_guard lock(mutex_);
    return prompts_;
}

std::vector<std::string> RecordingPrompter::Each(std::string Prompt::*field) const {
    std::lock_guard lock(mutex_);
    std::vector<std::string> values;
    for (const Prompt& p : prompts_)
        values.push_back(p.*field);
    return values;
}

void RecordingPrompter::Clear() {
    std::lock_guard lock(mutex_);
    prompts_.clear();
    script_.clear();
}
