#pragma once
// Every message box of the program goes through a Prompter: the window shows
// it as a dialog, the command line prints it, tests script the answers.

#include <deque>
#include <functional>
#include <initializer_list>
#include <mutex>
#include <string>
#include <vector>

enum class PromptButtons { Ok, YesNo };
enum class PromptIcon { None, Information, Exclamation, Error, Question };
enum class PromptAnswer { Ok, Yes, No };

// Texts are UTF-8; a caption may be a path and so any bytes.
class Prompter {
public:
    virtual ~Prompter() = default;

    // Shows one message and blocks until it is answered. Safe to call from
    // any thread. An Ok box answers Ok; a Yes/No box answers Yes or No.
    virtual PromptAnswer Ask(const std::string& text, const std::string& caption,
                             PromptButtons buttons = PromptButtons::Ok,
                             PromptIcon icon = PromptIcon::None) = 0;

    // Shorthand for an Ok box.
    void Tell(const std::string& text, const std::string& caption,
              PromptIcon icon = PromptIcon::None) {
        Ask(text, caption, PromptButtons::Ok, icon);
    }
};

// A prompter for tests: records what was asked, answers Yes/No questions from
// a script (then with the fallback answer). Thread-safe.
class RecordingPrompter : public Prompter {
public:
    struct Prompt {
        std::string text;
        std::string caption;
        PromptButtons buttons;
        PromptIcon icon;
    };

    explicit RecordingPrompter(PromptAnswer fallback = PromptAnswer::Yes) : fallback_(fallback) {}

    PromptAnswer Ask(const std::string& text, const std::string& caption, PromptButtons buttons,
                     PromptIcon icon) override;

    // Queues the answers of the next Yes/No questions, in order.
    void Script(std::initializer_list<PromptAnswer> answers);
    void SetFallback(PromptAnswer answer);

    std::vector<Prompt> Prompts() const;
    std::vector<std::string> Texts() const;
    void Clear();

private:
    mutable std::mutex mutex_;
    std::vector<Prompt> prompts_;
    std::deque<PromptAnswer> script_;
    PromptAnswer fallback_;
};

// A prompter for the command line: prints "Caption: text" on stderr and
// answers Yes/No questions by policy. With Policy::Ask it reads y/n from the
// given input stream (a terminal); end of input answers No.
class StderrPrompter : public Prompter {
public:
    enum class Policy { Ask, Yes, No };

    explicit StderrPrompter(Policy policy = Policy::No) : policy_(policy) {}

    PromptAnswer Ask(const std::string& text, const std::string& caption, PromptButtons buttons,
                     PromptIcon icon) override;

    // Called around each message so that a progress line can be cleared and
    // redrawn; may be empty.
    void SetAroundMessage(std::function<void()> before, std::function<void()> after);

private:
    std::mutex mutex_;
    Policy policy_;
    std::function<void()> before_;
    std::function<void()> after_;
};
