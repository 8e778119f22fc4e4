#pragma once
// For a store that, once it fails, fails the same way for every later write
// (a log file, the settings file): the first failure is told, the rest
// would only repeat it.

#include <atomic>
#include <string>

#include "platform/Prompter.h"
#include "platform/Status.h"

class FirstFailure {
public:
    // Tells a failed status through the prompter when nothing was told
    // before: text, with the status's subject as caption and its reason as
    // the detail. Success, and failures after the first, are not told.
    // Safe from several threads.
    void Tell(const Status& status, const std::string& text, Prompter& prompter) {
        if (!status && !told_.exchange(true))
            prompter.Tell(text, status.Subject(), PromptIcon::Exclamation, status.ShownReason());
    }

private:
    std::atomic<bool> told_{false};
};
