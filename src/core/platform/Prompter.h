#pragma once
// Every message box of the program goes through a Prompter: the window shows
// it as a dialog, the command line prints it, tests script the answers.

#include <functional>
#include <mutex>
#include <string>

// YesNoAll: Yes, "Yes to all", No, "No to all", with No the default, for
// a question a run asks of many photos.
enum class PromptButtons { Ok, YesNo, YesNoAll };
enum class PromptIcon { None, Information, Exclamation, Error, Question };
enum class PromptAnswer { Ok, Yes, No, YesToAll, NoToAll };

// One message. Texts are UTF-8; a caption may be a path and so any bytes.
struct Prompt {
    std::string text;
    std::string caption;
    PromptButtons buttons = PromptButtons::Ok;
    PromptIcon icon = PromptIcon::None;
    // The reason behind the text when one is known (a decoder's or the
    // system's words); shown apart from the text, which stays as it is.
    std::string detail;
    // Captions of the Yes and No buttons when they say more than Yes and No
    // ("Stop and quit", "Cancel"); empty: Yes and No.
    std::string yesText;
    std::string noText;
};

class Prompter {
public:
    virtual ~Prompter() = default;

    // Shows one message and blocks until it is answered. Safe to call from
    // any thread. An Ok box answers Ok; a Yes/No box answers Yes or No; a
    // YesNoAll box any of the four.
    virtual PromptAnswer Ask(const Prompt& prompt) = 0;

    PromptAnswer Ask(const std::string& text, const std::string& caption,
                     PromptButtons buttons = PromptButtons::Ok,
                     PromptIcon icon = PromptIcon::None) {
        return Ask(Prompt{text, caption, buttons, icon, {}, {}, {}});
    }

    // Shorthand for an Ok box.
    void Tell(const std::string& text, const std::string& caption,
              PromptIcon icon = PromptIcon::None, const std::string& detail = {}) {
        Ask(Prompt{text, caption, PromptButtons::Ok, icon, detail, {}, {}});
    }
};

// A prompter for the command line: prints "Caption: text (detail)" on stderr
// and answers Yes/No questions by policy. With Policy::Ask it reads the
// answer from standard input (a terminal): y, or the letter of Yes in the
// user's language, answers Yes; anything else and end of input answer No.
class StderrPrompter : public Prompter {
public:
    enum class Policy { Ask, Yes, No };

    explicit StderrPrompter(Policy policy = Policy::No) : policy_(policy) {}

    using Prompter::Ask;
    PromptAnswer Ask(const Prompt& prompt) override;

    // Called around each message so that a progress line can be cleared and
    // redrawn; may be empty.
    void SetAroundMessage(std::function<void()> before, std::function<void()> after);

private:
    std::mutex mutex_;
    Policy policy_;
    std::function<void()> before_;
    std::function<void()> after_;
};
