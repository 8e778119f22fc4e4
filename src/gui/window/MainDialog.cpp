#include "window/MainDialog.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QShortcut>
#include <QKeyEvent>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

#include "dialogs/AppIcon.h"
#include "gather/PhotoInfo.h"
#include "dialogs/QtPrompter.h"
#include "imaging/ThumbnailLoader.h"
#include "platform/SettingsStore.h"
#include "settings/PresetStore.h"
#include "settings/StoredValues.h"
#include "model/PhotoJob.h"
#include "platform/Paths.h"
#include "platform/ProductInfo.h"
#include "run/RunStart.h"
#include "ui_MainDialog.h"
#include "window/DestinationPanel.h"
#include "window/GatherTask.h"
#include "window/ListHistory.h"
#include "window/OutputSettingsEditor.h"
#include "window/OverlayPanel.h"
#include "window/PlacesRow.h"
#include "window/WatermarkPanel.h"
#include "window/PhotoListModel.h"
#include "window/PhotoListPanel.h"
#include "window/PhotoSources.h"
#include "window/PresetPanel.h"
#include "window/RunPanel.h"
#include "window/WindowActions.h"

MainDialog::MainDialog(Prompter* prompter, MainDialogHooks hooks, QWidget* parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::MainDialog>()),
      ownPrompter_(prompter ? nullptr : std::make_unique<QtPrompter>(this)),
      prompter_(prompter ? *prompter : *ownPrompter_),
      hooks_(std::move(hooks)) {
    CompleteWithProgramDialogs(hooks_);
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(QuillmereIcon());
    FitScreen();

    list_ = std::make_unique<PhotoListPanel>(ui->photoList, ui->totalLabel, prompter_);
    settings_ = std::make_unique<OutputSettingsEditor>(
        *list_, prompter_,
        [this](OutputPhotoFormat& format) { return hooks_.editOutputFormat(this, format); },
        [this](std::vector<OutputPhotoFormat>& formats) {
            return hooks_.editSelection(this, formats);
        });
    // The settings the window starts from, in this order: the overlay font,
    // its colour, the rename prefix, the naming date, the output folder.
    auto* watermark = new WatermarkPanel(prompter_, this);
    ui->mainLayout->insertWidget(ui->mainLayout->indexOf(ui->textPlacementRow) + 1, watermark);
    overlay_ = std::make_unique<OverlayPanel>(OverlayControls{
        ui->overlayTextEdit, ui->textXEdit, ui->textYEdit, ui->fontFaceLabel, ui->textAnchorCombo,
        ui->textSizeSpin, ui->textOpacitySpin, ui->textEffectCombo, watermark});
    destination_ = std::make_unique<DestinationPanel>(
        DestinationControls{ui->outputFolderEdit, ui->renamePrefixLabel, ui->renamePrefixEdit,
                            ui->renameSuffixLabel, ui->namingDateCombo, ui->notRenameCheck,
                            ui->keepFoldersCheck},
        hooks_.outputFolderSetting(prompter_));
    auto* places = new PlacesRow(this);
    ui->runColumn->insertWidget(ui->runColumn->indexOf(ui->renameRow) + 1, places);
    destination_->SetPlacesRow(places);
    auto showExample = [this] { destination_->ShowExample(list_->Photos()); };
    connect(places, &PlacesRow::Changed, this, showExample);
    connect(ui->renamePrefixEdit, &QLineEdit::textChanged, this, showExample);
    connect(ui->notRenameCheck, &QCheckBox::toggled, this, showExample);
    presets_ = std::make_unique<PresetPanel>(
        ui->presetCombo, prompter_,
        [this](std::string& name) { return hooks_.askPresetName(this, name); },
        [this] { return CurrentPreset(); });
    // The activity log stays where the output folder was at the start.
    run_ = std::make_unique<RunPanel>(
        ui->progressBar, ui->logList, destination_->OutputFolder(), prompter_,
        [this](const std::string& path) { hooks_.openPath(this, prompter_, path); },
        [this](const RunSummary& summary, std::function<void()> showLog) {
            return hooks_.showRunSummary(this, summary, std::move(showLog));
        });
    gather_ = std::make_unique<GatherTask>(
        GatherControls{ui->gatherRow, ui->gatherLabel, ui->gatherProgress, ui->gatherCancelButton});
    sources_ = std::make_unique<PhotoSources>(
        *gather_, *list_, *settings_, prompter_, run_->Log(),
        PhotoSources::Choosers{
            [this](const QString& title, const QString& folder, const QStringList& filters) {
                return hooks_.chooseFiles(this, title, folder, filters);
            },
            [this](std::string& folder) { return hooks_.chooseFolder(this, folder); }});
    actions_ = new WindowActions(this, ui->photoList);
    history_ = new ListHistory(*list_, this);
    layout()->setMenuBar(actions_->Menus(this));
    // What the last gathering left out: one line below the run, the names
    // on request.
    leftOutLabel_ = new QLabel(this);
    leftOutLabel_->setObjectName(QStringLiteral("leftOutLabel"));
    leftOutLabel_->setTextFormat(Qt::RichText);
    leftOutLabel_->hide();
    ui->runColumn->insertWidget(ui->runColumn->indexOf(ui->gatherRow) + 1, leftOutLabel_);
    sources_->SetLeftOutReport([this](const std::vector<std::string>& paths) {
        leftOut_ = paths;
        leftOutLabel_->setVisible(!paths.empty());
        leftOutLabel_->setText(QString::fromStdString(PhotoSources::LeftOutLine(paths)).toHtmlEscaped() +
                               QStringLiteral(" <a href=\"details\">%1</a>").arg(tr("Details")));
    });
    connect(leftOutLabel_, &QLabel::linkActivated, this, [this] {
        std::string names;
        for (const std::string& path : leftOut_) names += "\n" + PathForMessage(path);
        prompter_.Tell(tr("These files were left out because they are not pictures:").toStdString() +
                           names,
                       kProductName, PromptIcon::Information);
    });
    // Thumbnails beside the file names, filling in as rows are shown.
    const QSize thumbnail(48, 36);
    auto* thumbnails = new ThumbnailLoader(thumbnail, devicePixelRatioF(), 128 << 20, this);
    qobject_cast<PhotoListModel*>(ui->photoList->model())->SetThumbnails(thumbnails);
    ui->photoList->setIconSize(thumbnail);
    ui->photoList->verticalHeader()->setDefaultSectionSize(
        std::max(ui->photoList->verticalHeader()->defaultSectionSize(), thumbnail.height() + 4));
    if (auto* view = layout()->menuBar()->findChild<QMenu*>(QStringLiteral("viewMenu")))
        view->addAction(ui->previewFrame->SourceAction());
    // Space in the list opens the result larger.
    connect(new QShortcut(Qt::Key_Space, ui->photoList, nullptr, nullptr, Qt::WidgetShortcut),
            &QShortcut::activated, ui->previewFrame, &PreviewFrame::OpenLarger);

    // The log's own list stays hidden; View log opens the whole file.
    for (QWidget* hidden :
         {static_cast<QWidget*>(ui->logList), static_cast<QWidget*>(ui->saveListButton),
          static_cast<QWidget*>(ui->loadListButton)})
        hidden->hide();
    // View log sits with the program's other buttons, below the run.
    ui->programRow->insertWidget(ui->programRow->indexOf(ui->exitButton), ui->viewLogButton);
    ui->viewLogButton->show();
    // Tab follows the rows as they are shown: the watermark after the text,
    // View log beside the program's buttons.
    QWidget* previous = ui->textEffectCombo;
    for (QWidget* child : watermark->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->focusPolicy() & Qt::TabFocus) {
            setTabOrder(previous, child);
            previous = child;
        }
    setTabOrder(previous, ui->renamePrefixEdit);
    setTabOrder(ui->aboutButton, ui->viewLogButton);
    setTabOrder(ui->viewLogButton, ui->exitButton);
    setAcceptDrops(true);
    ConnectCommands();
    ConnectParts();
    UpdateData(false);
    presets_->Refresh();
    RestoreLastUsed();
    UpdateActions();
    // Stored values their settings do not take were replaced: say which.
    if (const Status& font = overlay_->RefusedStored(); !font)
        prompter_.Tell(RefusedStoredText(font, overlay_->Overlay().font.lfHeight),
                       tr("Warning").toStdString(),
                       PromptIcon::Exclamation, SettingsStore::Location());
    if (const Status& date = destination_->RefusedStored(); !date)
        prompter_.Tell(RefusedStoredText(date, destination_->Naming().date),
                       tr("Warning").toStdString(),
                       PromptIcon::Exclamation, SettingsStore::Location());
}

void MainDialog::FitScreen() {
    // The window's parts scroll when it is smaller than they need (a small
    // screen, a large font); the menus stay above them.
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("windowContent"));
    content->setLayout(ui->mainLayout);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("windowScroll"));
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
}

void MainDialog::showEvent(QShowEvent* event) {
    // At first the size the parts ask for, within the screen.
    if (!shownOnce_) {
        shownOnce_ = true;
        auto* scroll = findChild<QScrollArea*>(QStringLiteral("windowScroll"));
        QSize want = scroll->widget()->sizeHint().expandedTo(size());
        want.rheight() += layout()->menuBar() ? layout()->menuBar()->sizeHint().height() : 0;
        if (const QScreen* shown = screen())
            want = want.boundedTo(shown->availableGeometry().size());
        resize(want);
    }
    QDialog::showEvent(event);
}

MainDialog::~MainDialog() {
    // A worker waiting for an answer must not keep the window, which waits
    // for its workers, waiting for it.
    if (ownPrompter_)
        ownPrompter_->Close();
}

void MainDialog::ConnectCommands() {
    const std::pair<QAbstractButton*, Command> buttons[] = {
        {ui->addPhotosButton, Command::AddPhotos},
        {ui->searchPhotosButton, Command::SearchPhotos},
        {ui->optionsButton, Command::Options},
        {ui->convertButton, Command::Convert},
        {ui->helpButton, Command::Help},
        {ui->editButton, Command::Edit},
        {ui->upButton, Command::Up},
        {ui->downButton, Command::Down},
        {ui->deleteButton, Command::Delete},
        {ui->clearButton, Command::Clear},
        {ui->browseButton, Command::Browse},
        {ui->fontButton, Command::Font},
        {ui->applyPresetButton, Command::ApplyPreset},
        {ui->savePresetButton, Command::SavePreset},
        {ui->deletePresetButton, Command::RemovePreset},
        {ui->viewLogButton, Command::ViewLog},
        {ui->updateButton, Command::Update},
        {ui->aboutButton, Command::About},
        {ui->exitButton, Command::Exit},
    };
    for (const auto& [button, command] : buttons) actions_->Bind(button, command);
    const auto on = [this](Command command, auto&& run) {
        connect(actions_->Get(command), &QAction::triggered, this, run);
    };
    on(Command::AddPhotos, [this] { sources_->AddPhotos(); });
    on(Command::SearchPhotos, [this] { sources_->SearchPhotos(); });
    // Changes to the list can be undone; the defaults of new photos are not
    // the list's.
    const auto undoable = [this](const QString& text, auto&& change) {
        return [this, text, change] { history_->Record(text, change); };
    };
    on(Command::Options, undoable(tr("Settings"), [this] { settings_->Options(); }));
    on(Command::Convert, [this] { OnConvert(); });
    on(Command::Help, [this] { hooks_.showHelp(this, prompter_); });
    on(Command::Edit, undoable(tr("Settings"), [this] { settings_->Edit(); }));
    on(Command::Up, undoable(tr("Up"), [this] { list_->MoveUp(); }));
    on(Command::Down, undoable(tr("Down"), [this] { list_->MoveDown(); }));
    on(Command::Delete, undoable(tr("Delete"), [this] { list_->DeleteSelected(); }));
    on(Command::Clear, undoable(tr("Clear"), [this] { OnClear(); }));
    on(Command::Undo, [this] { history_->Undo(); });
    on(Command::Redo, [this] { history_->Redo(); });
    on(Command::SelectAll, [this] { list_->SelectAll(); });
    on(Command::Browse, [this] { OnBrowse(); });
    on(Command::Font, [this] { OnFont(); });
    on(Command::ApplyPreset, [this] { presets_->ApplyChosen(); });
    on(Command::SavePreset, [this] { presets_->SaveAs(); });
    on(Command::RemovePreset, [this] { presets_->RemoveChosen(); });
    on(Command::ViewLog, [this] { run_->ViewLog(); });
    on(Command::Update, [this] { hooks_.showUpdate(this, prompter_); });
    on(Command::About, [this] { hooks_.showAbout(this); });
    on(Command::Exit, [this] { OnExit(); });
}

void MainDialog::ConnectParts() {
    connect(list_.get(), &PhotoListPanel::CountChanged, this, &MainDialog::UpdateActions);
    connect(list_.get(), &PhotoListPanel::CountChanged, this,
            [this] { destination_->ShowExample(list_->Photos()); });
    // Undoing past photos added would drop them.
    connect(list_.get(), &PhotoListPanel::PhotosAdded, history_, &ListHistory::Forget);
    connect(history_, &ListHistory::Changed, this, &MainDialog::UpdateActions);
    list_->SetRecorder([this](const QString& text, const std::function<void()>& change) {
        history_->Record(text, change);
    });
    connect(list_.get(), &PhotoListPanel::RowClicked, this, &MainDialog::OnPreview);
    connect(list_.get(), &PhotoListPanel::EditRequested, actions_->Get(Command::Edit),
            &QAction::trigger);
    // The result preview follows the selection (keyboard too), the overlay
    // and the photos' settings; the same result is never made twice.
    connect(ui->photoList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MainDialog::OnPreview);
    connect(ui->photoList->model(), &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
                if (roles != QList<int>{Qt::DecorationRole})  // a thumbnail came
                    OnPreview();
            });
    connect(overlay_.get(), &OverlayPanel::Changed, this, &MainDialog::OnPreview);
    connect(presets_.get(), &PresetPanel::CountChanged, this, &MainDialog::UpdateActions);
    connect(presets_.get(), &PresetPanel::Applied, this, &MainDialog::ApplyPreset);
    connect(gather_.get(), &GatherTask::RunningChanged, this, &MainDialog::UpdateActions);
    connect(run_.get(), &RunPanel::RunningChanged, this, [this](bool running) {
        if (running)
            list_->ShowRunStarted(run_->Converted());
        else
            list_->ShowRunEnded(run_->LastResult().stopped);
        UpdateActions();
    });
    connect(run_.get(), &RunPanel::TextPositionReset, overlay_.get(), &OverlayPanel::ResetPosition);
    connect(run_.get(), &RunPanel::PhotoStarted, list_.get(), &PhotoListPanel::ShowConverting);
    connect(run_.get(), &RunPanel::PhotoFinished, list_.get(), &PhotoListPanel::ShowFinished);
}

void MainDialog::UpdateActions() {
    actions_->Update(WindowState{list_->Count(), presets_->Count(), run_->IsRunning(),
                                 gather_->IsRunning(), history_->CanUndo(), history_->CanRedo()});
    actions_->Get(Command::Undo)->setText(history_->UndoText());
    actions_->Get(Command::Redo)->setText(history_->RedoText());
    list_->SetSortable(actions_->Get(Command::Sort)->isEnabled());
}

bool MainDialog::UpdateData(bool saveAndValidate) {
    if (!saveAndValidate) {
        destination_->ToControls();
        overlay_->ToControls();
        return true;
    }
    destination_->FromControls();
    return overlay_->FromControls(prompter_);
}

void MainDialog::OnConvert() {
    if (run_->IsRunning()) {
        run_->Stop();
        return;
    }
    // The window's values first, so that a folder typed into the box is the
    // one this run goes to. A bad X or Y was told; the run goes on with the
    // values before.
    UpdateData(true);
    RunRequest request;
    request.outputFolder = destination_->OutputFolder();
    request.naming = destination_->Naming();
    if (destination_->Place() == OutputPlace::IntoFolder)
        request.intoFolder = destination_->OutputFolder();
    if (!destination_->RunOutputs(request.outputs, prompter_))
        return;
    request.overlay = overlay_->Overlay();
    request.defaults = settings_->Defaults();
    request.photos = list_->Photos();
    run_->Start(std::move(request));
}

void MainDialog::OnClear() {
    ui->previewFrame->Clear();
    list_->Clear();
}

void MainDialog::OnBrowse() {
    std::string folder;
    if (hooks_.chooseFolder(this, folder))
        destination_->SetOutputFolder(folder);
}

void MainDialog::OnFont() {
    const TextOverlay overlay = overlay_->Overlay();
    LogFont font = overlay.font;
    uint32_t color = overlay.color;
    if (hooks_.chooseFont(this, font, color))
        overlay_->SetFont(font, color);
}

void MainDialog::OnPreview() {
    // The first selected photo, which need not be the one clicked.
    const std::vector<int> rows = list_->SelectedRows();
    if (rows.empty())
        return;
    const PhotoItem& photo = list_->Photos()[static_cast<std::size_t>(rows.front())];
    ui->previewFrame->ShowResult(JobOfPhoto(photo), overlay_->InControls());
}

void MainDialog::ApplyPreset(const Preset& preset) {
    destination_->Apply(preset.naming);
    overlay_->Apply(preset.overlay);
    history_->Record(tr("Preset"), [this, &preset] { settings_->SetDefaults(preset.format); });
}

std::optional<Preset> MainDialog::CurrentPreset() {
    // A bad X or Y is told and nothing is saved.
    if (!UpdateData(true))
        return std::nullopt;
    return Preset{settings_->Defaults(), destination_->Naming(), overlay_->Overlay()};
}

void MainDialog::OpenPaths(const std::vector<std::string>& paths) {
    if (actions_->Get(Command::AddPhotos)->isEnabled())
        sources_->OpenPaths(paths);
}

void MainDialog::OnExit() {
    if (run_->IsRunning()) {
        Prompt stop{tr("Stop the conversion and quit?").toStdString(), kProductName,
                    PromptButtons::YesNo, PromptIcon::Question, {},
                    tr("Stop and quit").toStdString(), tr("Cancel").toStdString()};
        if (prompter_.Ask(stop) != PromptAnswer::Yes)
            return;
        run_->StopAndWait();
    } else if (list_->Count() > 0) {
        // The list, and the settings of each photo in it, are not kept.
        const int count = list_->Count();
        const QString text =
            tr("The list of %n photos is not kept. Do you want to quit?", nullptr, count);
        Prompt quit{text.toStdString(), kProductName, PromptButtons::YesNo, PromptIcon::Question,
                    {}, tr("Quit").toStdString(), tr("Cancel").toStdString()};
        if (prompter_.Ask(quit) != PromptAnswer::Yes)
            return;
    }
    gather_->Cancel();  // its photos would go with the window
    UpdateData(true);   // a bad X or Y was told; the rest is saved all the same
    for (const Status& saved : {destination_->Save(), overlay_->Save(), SaveLastUsed()})
        SettingsStore::TellUnsaved(saved, prompter_);
    ui->previewFrame->Clear();
    closing_ = true;
    done(QDialog::Rejected);
}

Status MainDialog::SaveLastUsed() {
    const Preset used{settings_->Defaults(), destination_->Naming(), overlay_->Overlay()};
    if (Status saved = presets::SaveLastUsed(used); !saved)
        return saved;
    return SettingsStore::WriteString(presets::kLastUsed, presets::kLastPreset,
                                      presets_->LastApplied());
}

void MainDialog::RestoreLastUsed() {
    bool stored = false;
    const Preset used = presets::LoadLastUsed(&stored);
    // A first start keeps the built-in settings and shows no preset name.
    if (stored)
        ApplyPreset(used);
    presets_->RestoreLastApplied(
        SettingsStore::GetString(presets::kLastUsed, presets::kLastPreset, {}));
}

void MainDialog::reject() {
    // Escape never closes the window: it only cancels a gathering.
    if (gather_->IsRunning())
        gather_->Cancel();
}

void MainDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        presets_->Refresh();
    QDialog::changeEvent(event);
}

void MainDialog::closeEvent(QCloseEvent* event) {
    if (closing_) {
        event->accept();
        return;
    }
    event->ignore();
    OnExit();
}

void MainDialog::keyPressEvent(QKeyEvent* event) {
    // No button is the default one: Enter must not end the window.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void MainDialog::dragEnterEvent(QDragEnterEvent* event) {
    if (actions_->Get(Command::AddPhotos)->isEnabled() && event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void MainDialog::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    std::vector<std::string> dropped;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            dropped.push_back(paths::FromQString(url.toLocalFile()));
    OpenPaths(dropped);
}
