#pragma once
// The prompter a run's workers talk to. Questions reach the user one at a
// time, whatever the number of workers, and an answer "to all" is kept for
// the rest of the run: the replace question is asked once per run at most
// when the user wants so. A run whose failures are shown at its end (the
// window's) asks for no Ok box at all: nothing then waits on a click for a
// photo's failure.

#include <mutex>
#include <optional>

#include "platform/Prompter.h"

class RunQuestions : public Prompter {
public:
    // tellFailures false: Ok boxes are answered at once and not shown.
    RunQuestions(Prompter& user, bool tellFailures) : user_(user), tellFailures_(tellFailures) {}

    using Prompter::Ask;
    // An answer to all is given back as Yes or No, to this question and,
    // without asking, to every YesNoAll question after it.
    PromptAnswer Ask(const Prompt& prompt) override;

private:
    Prompter& user_;
    const bool tellFailures_;
    std::mutex asking_;  // one question at a time
    std::optional<PromptAnswer> toAll_;
};
