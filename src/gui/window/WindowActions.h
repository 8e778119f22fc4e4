#pragma once
// The main window's commands as actions. Each command has one rule for when
// it can be used (IsEnabled), and Update applies every rule at once, so that
// what is enabled is decided in one place. The form's buttons stay as they
// are: each triggers its action and shows the action's caption and state.

#include <QObject>

#include <array>
#include <cstddef>

class QAbstractButton;
class QAction;
class QMenuBar;
class QWidget;

// What the rules look at.
struct WindowState {
    int photoCount = 0;
    int presetCount = 0;
    bool converting = false;  // a run is active: Convert is Stop
    bool gathering = false;   // photos are being gathered into the list
    bool canUndo = false;     // the list has a change to undo
    bool canRedo = false;
};

enum class Command : std::size_t {
    AddPhotos,
    SearchPhotos,
    Options,
    Convert,
    Help,
    Edit,
    Up,
    Down,
    Delete,
    Clear,
    Sort,  // a click on a column header
    SelectAll,
    Browse,
    Font,
    ApplyPreset,
    SavePreset,
    RemovePreset,
    ViewLog,
    Update,
    About,
    Exit,
    Undo,
    Redo,
    Count,
};

// Whether command can be used in state. Gathering photos and converting
// them both need the list and the settings of new photos to stay as they
// were taken, so neither lets anything change those until it has ended.
bool IsEnabled(Command command, const WindowState& state);

class WindowActions : public QObject {
    Q_OBJECT
public:
    // One action per command, with its keys, added to window; Delete is the
    // list's own key (added to list only), so that it still deletes text in
    // a text box.
    WindowActions(QWidget* window, QWidget* list);

    QAction* Get(Command command) const { return actions_[static_cast<std::size_t>(command)]; }

    // The button triggers the command's action and shows the action's
    // caption and state; the action takes the button's caption first.
    void Bind(QAbstractButton* button, Command command);

    // Every rule applied to state; Convert reads "Stop" while converting.
    void Update(const WindowState& state);

    // The menus File, Edit, View, Convert and Help over the actions, for
    // window's layout: each command with its keys and state.
    QMenuBar* Menus(QWidget* window) const;

private:
    std::array<QAction*, static_cast<std::size_t>(Command::Count)> actions_{};
};
