#include "window/MainDialog.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QIcon>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMimeData>
#include <QShortcut>
#include <QStyle>
#include <QUrl>

#include <algorithm>

#include "dialogs/AppIcon.h"
#include "dialogs/ChoiceList.h"
#include "platform/ProductInfo.h"
#include "platform/Paths.h"
#include "dialogs/QtPrompter.h"
#include "platform/SettingsStore.h"
#include "run/ActivityLog.h"
#include "run/RunController.h"
#include "settings/StoredValues.h"
#include "imaging/DecodePreview.h"
#include "model/NumberSettings.h"
#include "model/OptionTables.h"
#include "gather/PhotoGathering.h"
#include "window/PhotoListModel.h"
#include "ui_MainDialog.h"

namespace {

using paths::FromQString;
using paths::ToQString;

}  // namespace

MainDialog::MainDialog(Prompter* prompter, MainDialogHooks hooks, QWidget* parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::MainDialog>()),
      ownPrompter_(prompter ? nullptr : std::make_unique<QtPrompter>(this)),
      prompter_(prompter ? *prompter : *ownPrompter_),
      hooks_(std::move(hooks)) {
    CompleteWithProgramDialogs(hooks_);
    // The settings the window starts from, in this order: the overlay font,
    // its colour, the rename prefix.
    Status refusedFont;
    m_textFont = LoadTextFont(&refusedFont);
    m_textColor = LoadTextColor();
    m_batch_renamer = SettingsStore::GetString(settings::kOption, settings::kBatchRenamer,
                                               settings::kDefaultBatchRenamer);
    const Result<int32_t> date = ReadStoredChoice(settings::kNaming, settings::kNamingDate,
                                                  IdsOf(NamingDateChoices()), kDateFile);
    m_nNamingDate = date ? date.Value() : kDateFile;
    OnInitDialog();
    // Stored values their settings do not take were replaced: say which.
    if (!refusedFont)
        prompter_.Tell(RefusedStoredText(refusedFont, m_textFont.lfHeight), "Warning",
                       PromptIcon::Exclamation, SettingsStore::Location());
    if (!date)
        prompter_.Tell(RefusedStoredText(date.GetStatus(), m_nNamingDate), "Warning",
                       PromptIcon::Exclamation, SettingsStore::Location());
}

MainDialog::~MainDialog() {
    // A window destroyed mid-run (never through Exit) still must not leave
    // workers behind that report into it, and a worker waiting for an answer
    // must not keep the window waiting for it.
    if (ownPrompter_)
        ownPrompter_->Close();
    m_run.reset();
}

void MainDialog::OnInitDialog() {
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(QuillmereIcon());

    model_ = new PhotoListModel(m_photoList, this);
    ui->photoList->setModel(model_);
    QHeaderView* header = ui->photoList->horizontalHeader();
    int columns = 0;
    for (int column = 0; column < kColumnCount; ++column) {
        header->resizeSection(column, PhotoListModel::DefaultWidth(column));
        columns += PhotoListModel::DefaultWidth(column);
    }
    header->setSectionsClickable(true);
    // Long names get the room; the short columns keep their widths.
    header->setStretchLastSection(false);
    header->setSectionResizeMode(kColumnFileName, QHeaderView::Stretch);
    ui->photoList->verticalHeader()->setDefaultSectionSize(ui->photoList->fontMetrics().height() + 6);
    // Every column at its width, the names at least at theirs.
    ui->photoList->setMinimumWidth(columns + 2 * ui->photoList->frameWidth() +
                                   style()->pixelMetric(QStyle::PM_ScrollBarExtent));

    ui->previewFrame->SetDecoder(&DecodePreview);
    FillChoices(ui->namingDateCombo, NamingDateChoices(), [](const auto& row) { return row.text; });

    m_nPhotoCount = static_cast<int>(m_photoList.size());
    m_bNameSortAscending = m_bTimeSortAscending = false;

    m_outputFolder = paths::EnsureTrailingSeparator(hooks_.outputFolderSetting(prompter_));
    log_ = std::make_unique<ActivityLog>(m_outputFolder);
    m_logFilePath = log_->FilePath();
    // Entries arrive on the run's threads; the hidden list is the window's.
    log_->SetLineAddedCallback([this](const std::string& entry) {
        QMetaObject::invokeMethod(this, [this, text = QString::fromStdString(entry)] { AppendLogLine(text); },
                                  Qt::QueuedConnection);
    });

    // The log's own list stays hidden; View log opens the whole file.
    for (QWidget* hidden : {static_cast<QWidget*>(ui->logList), static_cast<QWidget*>(ui->saveListButton),
                            static_cast<QWidget*>(ui->loadListButton)})
        hidden->hide();
    // View log sits with the program's other buttons, below the run.
    ui->programRow->insertWidget(ui->programRow->indexOf(ui->exitButton), ui->viewLogButton);
    ui->viewLogButton->show();
    ui->progressBar->setRange(0, 999);
    ui->progressBar->setValue(0);
    FillChoices(ui->textAnchorCombo, TextAnchors(), [](const auto& row) { return row.listText; });
    FillChoices(ui->textEffectCombo, TextEffects(), [](const auto& row) { return row.listText; });
    ui->textSizeSpin->setRange(numbers::kTextSizePercent.min, numbers::kTextSizePercent.max);
    ui->textOpacitySpin->setRange(static_cast<int>(numbers::kTextOpacity.min),
                                  static_cast<int>(numbers::kTextOpacity.max));
    EnableListCommands(false);
    setAcceptDrops(true);
    ConnectCommands();
    ConnectTextPlacement();
    UpdateData(false);
    RefreshPresetList();
}

void MainDialog::ConnectCommands() {
    connect(ui->addPhotosButton, &QPushButton::clicked, this, &MainDialog::OnAddPhotos);
    connect(ui->searchPhotosButton, &QPushButton::clicked, this, &MainDialog::OnSearchPhotos);
    connect(ui->optionsButton, &QPushButton::clicked, this, &MainDialog::OnOptions);
    connect(ui->convertButton, &QPushButton::clicked, this, &MainDialog::OnConvert);
    connect(ui->helpButton, &QPushButton::clicked, this, [this] { hooks_.showHelp(this, prompter_); });
    connect(ui->editButton, &QPushButton::clicked, this, &MainDialog::OnEdit);
    connect(ui->upButton, &QPushButton::clicked, this, &MainDialog::OnUp);
    connect(ui->downButton, &QPushButton::clicked, this, &MainDialog::OnDown);
    connect(ui->deleteButton, &QPushButton::clicked, this, &MainDialog::OnDelete);
    connect(ui->clearButton, &QPushButton::clicked, this, &MainDialog::OnClear);
    connect(ui->photoList->horizontalHeader(), &QHeaderView::sectionClicked, this, &MainDialog::OnColumnClick);
    connect(ui->photoList, &QAbstractItemView::doubleClicked, this, &MainDialog::OnEdit);
    connect(ui->photoList, &QWidget::customContextMenuRequested, this, &MainDialog::OnEdit);
    connect(ui->photoList, &QAbstractItemView::clicked, this, &MainDialog::OnPreview);
    connect(ui->browseButton, &QPushButton::clicked, this, &MainDialog::OnBrowse);
    connect(ui->fontButton, &QPushButton::clicked, this, &MainDialog::OnFont);
    connect(ui->notRenameCheck, &QCheckBox::clicked, this, &MainDialog::OnNotRename);
    connect(ui->applyPresetButton, &QPushButton::clicked, this, &MainDialog::OnApplyPreset);
    connect(ui->savePresetButton, &QPushButton::clicked, this, &MainDialog::OnSavePreset);
    connect(ui->deletePresetButton, &QPushButton::clicked, this, &MainDialog::OnDeletePreset);
    connect(ui->updateButton, &QPushButton::clicked, this, [this] { hooks_.openProductPage(this, prompter_); });
    connect(ui->aboutButton, &QPushButton::clicked, this, [this] { hooks_.showAbout(this); });
    connect(ui->exitButton, &QPushButton::clicked, this, &MainDialog::OnExit);
    connect(ui->viewLogButton, &QPushButton::clicked, this, &MainDialog::OnViewLog);
    auto* remove = new QShortcut(QKeySequence::Delete, ui->photoList, nullptr, nullptr, Qt::WidgetShortcut);
    connect(remove, &QShortcut::activated, this, &MainDialog::OnDelete);
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, [this] { hooks_.showHelp(this, prompter_); });
    const auto shortcut = [this](QKeySequence keys, void (MainDialog::*command)()) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, command);
    };
    shortcut(QKeySequence::Open, &MainDialog::OnAddPhotos);
    shortcut(QKeySequence::Find, &MainDialog::OnSearchPhotos);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Return), &MainDialog::OnConvert);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Enter), &MainDialog::OnConvert);
    connect(new QShortcut(QKeySequence::SelectAll, this), &QShortcut::activated, this, [this] {
        ui->photoList->setFocus();
        ui->photoList->selectAll();
    });
}

bool MainDialog::UpdateData(bool saveAndValidate) {
    if (!saveAndValidate) {
        ui->outputFolderEdit->setText(ToQString(m_outputFolder));
        ui->renamePrefixEdit->setText(ToQString(m_batch_renamer));
        ui->notRenameCheck->setChecked(m_bNotRename != 0);
        // A stored value the list lacks shows no entry and is kept.
        SelectChoice(ui->namingDateCombo, m_nNamingDate);
        ui->keepFoldersCheck->setChecked(m_bKeepFolders != 0);
        ui->textXEdit->setText(QString::number(m_nTextX));
        ui->textYEdit->setText(QString::number(m_nTextY));
        SelectChoice(ui->textAnchorCombo, TextAnchorOf(m_nTextAnchor).id);
        ui->textSizeSpin->setValue(m_dTextSizePercent);
        ui->textOpacitySpin->setValue(m_nTextOpacity);
        SelectChoice(ui->textEffectCombo, m_nTextEffect);
        return true;
    }
    m_outputFolder = FromQString(ui->outputFolderEdit->text());
    m_batch_renamer = FromQString(ui->renamePrefixEdit->text());
    m_bNotRename = ui->notRenameCheck->isChecked() ? 1 : 0;
    m_nNamingDate = ChosenId(ui->namingDateCombo, m_nNamingDate);
    m_bKeepFolders = ui->keepFoldersCheck->isChecked() ? 1 : 0;
    m_nTextAnchor = ChosenId(ui->textAnchorCombo, m_nTextAnchor);
    m_dTextSizePercent = ui->textSizeSpin->value();
    m_nTextOpacity = ui->textOpacitySpin->value();
    m_nTextEffect = ChosenId(ui->textEffectCombo, m_nTextEffect);
    for (auto [edit, member] : {std::pair{ui->textXEdit, &m_nTextX}, std::pair{ui->textYEdit, &m_nTextY}}) {
        int32_t value = 0;
        if (!SettingsStore::ParseInt32(edit->text().toStdString(), value)) {
            prompter_.Tell("Please enter an integer.", kProductName, PromptIcon::Exclamation);
            edit->setFocus();
            edit->selectAll();
            return false;
        }
        *member = value;
    }
    return true;
}

void MainDialog::RefreshPhotoList() {
    model_->Reset();
    m_nPhotoCount = static_cast<int>(m_photoList.size());
    ui->totalLabel->setText(QStringLiteral("Total photos: %1").arg(m_nPhotoCount));
    EnableListCommands(m_nPhotoCount > 0);
}

void MainDialog::EnableListCommands(bool enable) {
    // During a run the list must stay as the run took it; Convert is Stop then.
    const bool editable = enable && !IsConverting();
    ui->convertButton->setEnabled(enable || IsConverting());
    for (QPushButton* button : {ui->editButton, ui->upButton, ui->downButton, ui->deleteButton, ui->clearButton})
        button->setEnabled(editable);
}

std::vector<int> MainDialog::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : ui->photoList->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void MainDialog::SelectRows(const std::vector<int>& rows) {
    QItemSelection selection;
    for (int row : rows)
        selection.select(model_->index(row, 0), model_->index(row, kColumnCount - 1));
    ui->photoList->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

bool MainDialog::SelectionOrTell(std::vector<int>& rows) {
    rows = SelectedRows();
    if (!rows.empty())
        return true;
    prompter_.Tell(kPleaseSelectItems, kProductName);
    return false;
}

bool MainDialog::RefuseWhileConverting() {
    if (!IsConverting())
        return false;
    prompter_.Tell("Please stop converting first", "Warning", PromptIcon::Exclamation);
    return true;
}

void MainDialog::OnExit() {
    if (RefuseWhileConverting())
        return;
    UpdateData(true);  // a bad X or Y was told; the rest is saved all the same
    SettingsStore::WriteString(settings::kOption, settings::kPhotoOutputFolder, m_outputFolder);
    SaveTextFont(m_textFont);
    SaveTextColor(m_textColor);
    SettingsStore::WriteString(settings::kOption, settings::kBatchRenamer, m_batch_renamer);
    SettingsStore::WriteInt(settings::kNaming, settings::kNamingDate, m_nNamingDate);
    ui->previewFrame->Clear();
    closing_ = true;
    done(QDialog::Rejected);
}

void MainDialog::reject() { OnExit(); }

void MainDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        RefreshPresetList();
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

void MainDialog::OnBrowse() {
    std::string folder;
    if (!hooks_.chooseFolder(this, folder))
        return;
    m_outputFolder = paths::EnsureTrailingSeparator(folder);
    // Only the folder edit: what the user typed into the others stays.
    ui->outputFolderEdit->setText(ToQString(m_outputFolder));
}

void MainDialog::OnFont() {
    LogFont font = m_textFont;
    uint32_t color = m_textColor;
    if (!hooks_.chooseFont(this, font, color))
        return;
    m_textFont = font;
    m_textColor = color;
    ui->fontFaceLabel->setText(QString::fromStdString(m_textFont.lfFaceName));
    UpdatePreviewOverlay();
}

void MainDialog::OnNotRename() {
    m_bNotRename = ui->notRenameCheck->isChecked() ? 1 : 0;
    for (QWidget* widget : {static_cast<QWidget*>(ui->renamePrefixLabel), static_cast<QWidget*>(ui->renamePrefixEdit),
                            static_cast<QWidget*>(ui->renameSuffixLabel), static_cast<QWidget*>(ui->namingDateCombo)})
        widget->setEnabled(m_bNotRename == 0);
}

void MainDialog::OnPreview() {
    const std::vector<int> rows = SelectedRows();
    if (rows.empty())
        return;
    const PhotoItem& photo = m_photoList[static_cast<std::size_t>(rows.front())];
    previewWidth_ = photo.m_outputPhotoFormat.nOutputWidth;
    previewHeight_ = photo.m_outputPhotoFormat.nOutputHeight;
    UpdatePreviewOverlay();
    ui->previewFrame->ShowPhoto(photo.strSourcePath);
}

void MainDialog::AppendLogLine(const QString& entry) {
    ui->logList->addItem(entry);
    while (ui->logList->count() > static_cast<int>(ActivityLog::kMaxLines))
        delete ui->logList->takeItem(0);
}

void MainDialog::dragEnterEvent(QDragEnterEvent* event) {
    if (!IsConverting() && event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void MainDialog::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    OnDropUrls(event->mimeData()->urls());
}

void MainDialog::OnDropUrls(const QList<QUrl>& urls) {
    std::vector<std::string> dropped;
    for (const QUrl& url : urls)
        if (url.isLocalFile())
            dropped.push_back(FromQString(url.toLocalFile()));
    OpenPaths(dropped);
}
