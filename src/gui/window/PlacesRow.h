#pragma once
// The window's row of names and places beside the prefix: a name template
// with a live example of the first photo's name, where the outputs go (a new
// time-stamped folder, the output folder itself, or a folder next to each
// photo), the original file dates, and the presets whose outputs a run
// writes, each photo decoded once.

#include <QWidget>

#include <string>
#include <vector>

#include "model/OutputNaming.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;

// Where a run's outputs go, as the row's list offers it.
enum class OutputPlace { RunFolder = 0, IntoFolder = 1, Beside = 2 };

class PlacesRow : public QWidget {
    Q_OBJECT
public:
    explicit PlacesRow(QWidget* parent = nullptr);

    // The template, the place and the file date of naming into the controls.
    void ShowNaming(const OutputNaming& naming, OutputPlace place);
    // The controls into naming's template, folder next to the photos and
    // file date; the place chosen.
    OutputPlace TakeNaming(OutputNaming& naming) const;
    // The presets ticked for the run, in the menu's order; none: one output
    // with each photo's own settings.
    std::vector<std::string> ChosenPresets() const;
    // The example name, or why the template is refused (shown as an error).
    void ShowExample(const QString& text, bool refused);

    QLineEdit* TemplateEdit() const { return template_; }

signals:
    // What the example depends on changed.
    void Changed();

private:
    void FillPresetMenu();
    void ShowPlace();
    void ShowChosenCount();

    QLineEdit* template_;
    QLabel* example_;
    QComboBox* place_;
    QLineEdit* beside_;
    QAction* keepDate_;  // in the outputs' menu and shown by a check box beside it
    QToolButton* outputs_;
    QMenu* presetMenu_;
    std::vector<std::string> chosen_;
};
