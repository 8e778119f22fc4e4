#pragma once
// A prompter for tests: records what was asked, answers Yes/No questions from
// a script (then with the fallback answer). Thread-safe.

#include <deque>
#include <initializer_list>
#include <mutex>
#include <string>
#include <vector>

#include "platform/Prompter.h"

class RecordingPrompter : public Prompter {
public:
    explicit RecordingPrompter(PromptAnswer fallback = PromptAnswer::Yes) : fallback_(fallback) {}

    using Prompter::Ask;
    PromptAnswer Ask(const Prompt& prompt) override;

    // Queues the answers of the next Yes/No questions, in order.
    void Script(std::initializer_list<PromptAnswer> answers);
    void SetFallback(PromptAnswer answer);

    std::vector<Prompt> Prompts() const;
    std::vector<std::string> Texts() const { return Each(&Prompt::text); }
    std::vector<std::string> Captions() const { return Each(&Prompt::caption); }
    void Clear();

private:
    std::vector<std::string> Each(std::string Prompt::*field) const;

    mutable std::mutex mutex_;
    std::vector<Prompt> prompts_;
    std::deque<PromptAnswer> script_;
    PromptAnswer fallback_;
};
