#include "window/WindowActions.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeySequence>
#include <QList>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QWidget>

bool IsEnabled(Command command, const WindowState& state) {
    const bool listFree = !state.converting && !state.gathering;
    const bool anyPhoto = state.photoCount > 0;
    switch (command) {
        case Command::AddPhotos:
        case Command::SearchPhotos:
        case Command::Options:
        case Command::Sort: return listFree;
        case Command::Convert: return state.converting || (anyPhoto && !state.gathering);
        case Command::Edit:
        case Command::Up:
        case Command::Down:
        case Command::Delete:
        case Command::Clear: return anyPhoto && listFree;
        case Command::ApplyPreset: return state.presetCount > 0 && listFree;
        case Command::Undo: return state.canUndo && listFree;
        case Command::Redo: return state.canRedo && listFree;
        case Command::RemovePreset: return state.presetCount > 0;
        case Command::Help:
        case Command::SelectAll:
        case Command::Browse:
        case Command::Font:
        case Command::SavePreset:
        case Command::ViewLog:
        case Command::Update:
        case Command::About:
        case Command::Exit:
        case Command::Count: return true;
    }
    return true;
}

namespace {

QList<QKeySequence> KeysOf(Command command) {
    switch (command) {
        case Command::AddPhotos: return {QKeySequence::Open};
        case Command::SearchPhotos: return {QKeySequence::Find};
        case Command::Convert:
            return {QKeySequence(Qt::CTRL | Qt::Key_Return),
                    QKeySequence(Qt::CTRL | Qt::Key_Enter)};
        case Command::Help: return {QKeySequence::HelpContents};
        case Command::Delete: return {QKeySequence::Delete};
        case Command::SelectAll: return {QKeySequence::SelectAll};
        case Command::Undo: return {QKeySequence::Undo};
        // Both the desktops' keys, whatever the platform calls Redo.
        case Command::Redo:
            return {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)};
        case Command::Exit: return {QKeySequence(Qt::CTRL | Qt::Key_Q)};
        case Command::Edit: return {QKeySequence(Qt::CTRL | Qt::Key_E)};
        case Command::Options: return {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O)};
        case Command::Up: return {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Up)};
        case Command::Down: return {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Down)};
        case Command::Browse: return {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F)};
        default: return {};
    }
}

// What each command does, in a line: the tooltip of its button and its
// menu entry.
QString TipOf(Command command) {
    switch (command) {
        case Command::AddPhotos: return WindowActions::tr("Add photo files to the list");
        case Command::SearchPhotos:
            return WindowActions::tr("Add every photo in a folder and its subfolders to the list");
        case Command::Options:
            return WindowActions::tr("Output settings for photos added from now on");
        case Command::Convert:
            return WindowActions::tr("Convert every photo in the list into a new folder inside the "
                                  "output folder");
        case Command::Help: return WindowActions::tr("Show the program's help");
        case Command::Edit: return WindowActions::tr("Output settings of the selected photos");
        case Command::Up: return WindowActions::tr("Move the selected photos up the list");
        case Command::Down: return WindowActions::tr("Move the selected photos down the list");
        case Command::Delete: return WindowActions::tr("Remove the selected photos from the list");
        case Command::Clear: return WindowActions::tr("Remove every photo from the list");
        case Command::Sort: return WindowActions::tr("Sort the list by a column");
        case Command::SelectAll: return WindowActions::tr("Select every photo in the list");
        case Command::Browse: return WindowActions::tr("Choose the folder the converted photos go to");
        case Command::Font: return WindowActions::tr("Font and colour of the text added to photos");
        case Command::ApplyPreset: return WindowActions::tr("Use the settings of the chosen preset");
        case Command::SavePreset: return WindowActions::tr("Keep the current settings as a preset");
        case Command::RemovePreset: return WindowActions::tr("Remove the chosen preset");
        case Command::ViewLog: return WindowActions::tr("Open the activity log");
        case Command::Update:
            return WindowActions::tr("Which version is installed and where updates come from");
        case Command::About: return WindowActions::tr("The program's version and licence");
        case Command::Exit: return WindowActions::tr("Quit the program");
        case Command::Undo: return WindowActions::tr("Undo the last change to the list");
        case Command::Redo: return WindowActions::tr("Redo the change just undone");
        case Command::Count: break;
    }
    return {};
}

}  // namespace

WindowActions::WindowActions(QWidget* window, QWidget* list) : QObject(window) {
    for (std::size_t i = 0; i < actions_.size(); ++i) {
        const auto command = static_cast<Command>(i);
        QAction* action = new QAction(this);
        action->setShortcuts(KeysOf(command));
        action->setToolTip(TipOf(command));
        action->setStatusTip(TipOf(command));
        if (command == Command::Delete) {
            action->setShortcutContext(Qt::WidgetShortcut);
            list->addAction(action);
        } else {
            window->addAction(action);
        }
        actions_[i] = action;
    }
    Get(Command::SelectAll)->setText(tr("Select &all"));
    Get(Command::Sort)->setText(tr("Sort"));
    Get(Command::Undo)->setText(tr("&Undo"));
    Get(Command::Redo)->setText(tr("&Redo"));
}

QMenuBar* WindowActions::Menus(QWidget* window) const {
    auto* bar = new QMenuBar(window);
    bar->setObjectName(QStringLiteral("menuBar"));
    const auto menu = [this, bar](const QString& title, const char* name,
                                  std::initializer_list<Command> commands) {
        QMenu* added = bar->addMenu(title);
        added->setObjectName(QLatin1String(name));
        added->setToolTipsVisible(true);
        for (Command command : commands) {
            if (command == Command::Count)
                added->addSeparator();
            else
                added->addAction(Get(command));
        }
    };
    constexpr Command kLine = Command::Count;
    // The titles carry no Alt letters: the buttons' own (Font, Edit, Convert,
    // Help) come first. F10 opens the menus, as elsewhere on the desktop.
    auto* open = new QShortcut(QKeySequence(Qt::Key_F10), window);
    connect(open, &QShortcut::activated, bar,
            [bar] { bar->setActiveAction(bar->actions().value(0)); });
    menu(tr("File"), "fileMenu", {Command::AddPhotos, Command::SearchPhotos, kLine,
                                   Command::Browse, kLine, Command::Exit});
    menu(tr("Edit"), "editMenu", {Command::Undo, Command::Redo, kLine, Command::Edit, Command::Up,
                                   Command::Down, Command::Delete, Command::Clear, kLine,
                                   Command::SelectAll});
    menu(tr("View"), "viewMenu", {Command::ViewLog});
    menu(tr("Convert"), "convertMenu", {Command::Options, Command::Font, kLine, Command::ApplyPreset,
                                      Command::SavePreset, Command::RemovePreset, kLine,
                                      Command::Convert});
    menu(tr("Help"), "helpMenu", {Command::Help, Command::Update, Command::About});
    return bar;
}

void WindowActions::Bind(QAbstractButton* button, Command command) {
    QAction* action = Get(command);
    action->setText(button->text());
    if (!button->toolTip().isEmpty())
        action->setToolTip(button->toolTip());
    button->setToolTip(action->toolTip());
    const auto show = [button, action] {
        button->setText(action->text());
        button->setEnabled(action->isEnabled());
    };
    show();
    connect(action, &QAction::changed, button, show);
    connect(button, &QAbstractButton::clicked, action, &QAction::trigger);
}

void WindowActions::Update(const WindowState& state) {
    for (std::size_t i = 0; i < actions_.size(); ++i)
        actions_[i]->setEnabled(IsEnabled(static_cast<Command>(i), state));
    Get(Command::Convert)
        ->setText(state.converting ? tr("&Stop") : tr("&Convert"));
}
