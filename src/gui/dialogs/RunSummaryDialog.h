#pragma once
// The box at the end of a run: what happened, every photo that failed with
// its reason in plain words (the technical text as its tooltip), and what
// can be done next: open the folder, convert the rest, copy the list, show
// the log. It is the only box of a run; nothing during the run waits on one.

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

struct RunSummaryFailure {
    std::string name;       // the photo's file name
    std::string plain;      // "the file is damaged or incomplete"
    std::string technical;  // the program's message and the library's text
};

struct RunSummary {
    std::string caption;  // the run folder
    std::string text;     // the outcome and the question
    std::vector<RunSummaryFailure> failures;
    bool canConvertRest = false;  // photos were left unconverted
};

enum class RunSummaryChoice { Close, OpenFolder, ConvertRest };

class QListWidget;

class RunSummaryDialog : public QDialog {
    Q_OBJECT
public:
    // showLog opens the activity log.
    RunSummaryDialog(const RunSummary& summary, std::function<void()> showLog,
                     QWidget* parent = nullptr);

    RunSummaryChoice Choice() const { return choice_; }
    // The failures as Copy puts them on the clipboard, one line each:
    // "name: plain reason (technical text)".
    static QString FailuresText(const RunSummary& summary);

    // Shows the box modally and gives the choice.
    static RunSummaryChoice Ask(QWidget* parent, const RunSummary& summary,
                                std::function<void()> showLog);

private:
    RunSummaryChoice choice_ = RunSummaryChoice::Close;
};
