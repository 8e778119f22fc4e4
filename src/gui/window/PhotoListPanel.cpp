#include "window/PhotoListPanel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLocale>
#include <QStyle>
#include <QTableView>

#include <algorithm>
#include <iterator>

#include "platform/ProductInfo.h"
#include "platform/Prompter.h"
#include "window/LocalFigures.h"
#include "window/PhotoListModel.h"

PhotoListPanel::PhotoListPanel(QTableView* view, QLabel* total, Prompter& prompter, QObject* parent)
    : QObject(parent),
      view_(view),
      total_(total),
      prompter_(prompter),
      model_(new PhotoListModel(m_photoList, this)) {
    view_->setModel(model_);
    total_->setText(tr("Total photos: %1").arg(QLocale().toString(0)));
    QHeaderView* header = view_->horizontalHeader();
    header->setSectionsClickable(true);
    // Long names get the room; the short columns keep their widths.
    header->setStretchLastSection(false);
    header->setSectionResizeMode(kColumnFileName, QHeaderView::Stretch);
    // Whole rows, and one Tab stop: Tab leaves the list, the arrows move in it.
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setTabKeyNavigation(false);
    view_->installEventFilter(this);
    FitColumns();

    connect(header, &QHeaderView::sectionClicked, this, [this](int column) {
        record_(tr("Sort"), [this, column] { SortByColumn(column); });
    });
    connect(view_, &QAbstractItemView::clicked, this, &PhotoListPanel::RowClicked);
    connect(view_, &QAbstractItemView::doubleClicked, this, &PhotoListPanel::EditRequested);
    connect(view_, &QWidget::customContextMenuRequested, this, &PhotoListPanel::EditRequested);
}

namespace {

// Which status is longest depends on the language shown.
QString WidestStatus(const QFontMetrics& metrics) {
    QString widest;
    for (const PhotoStatus status : {PhotoStatus::Waiting, PhotoStatus::Converting, PhotoStatus::Converted,
                                     PhotoStatus::Skipped, PhotoStatus::Failed, PhotoStatus::NotConverted}) {
        const QString text = PhotoListModel::StatusText(status);
        if (metrics.horizontalAdvance(text) > metrics.horizontalAdvance(widest))
            widest = text;
    }
    return widest;
}

}  // namespace

void PhotoListPanel::FitColumns() {
    QHeaderView* header = view_->horizontalHeader();
    const QFontMetrics rows = view_->fontMetrics();
    const QFontMetrics heads = header->fontMetrics();
    // The contents each column usually shows, at the list's font.
    const QString samples[kColumnCount] = {
        QStringLiteral("IMG_20240101_120000.jpg"), QStringLiteral("99999 x 99999"),
        LocalFigures::Time("2024/12/31 23:59:59"), QStringLiteral("99999 x 99999"),
        QStringLiteral("270"), QStringLiteral("WebP 100"), QStringLiteral("~/Pictures/2024"),
        WidestStatus(rows)};
    const int margin = 2 * view_->style()->pixelMetric(QStyle::PM_HeaderMargin) + 8;
    int columns = 0;
    for (int column = 0; column < std::min<int>(kColumnCount, model_->columnCount()); ++column) {
        const QString title = model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        // Room for the sort arrow beside the title.
        const int width = std::max(heads.horizontalAdvance(title) + heads.height(),
                                   rows.horizontalAdvance(samples[column])) +
                          margin;
        header->resizeSection(column, width);
        // The names column stretches; it needs less than a long name.
        columns += column == kColumnFileName ? width / 2 : width;
    }
    view_->verticalHeader()->setDefaultSectionSize(rows.height() + 6);
    view_->setMinimumWidth(std::min(columns, 40 * rows.averageCharWidth()) + 2 * view_->frameWidth() +
                           view_->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
}

bool PhotoListPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_ && event->type() == QEvent::FontChange)
        FitColumns();
    if (watched != view_ || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const bool home = key->key() == Qt::Key_Home, end = key->key() == Qt::Key_End;
    if (!(home || end) || !(key->modifiers() & Qt::ControlModifier) || Count() == 0)
        return false;
    // The view would move the focus alone and leave the selection scrolled
    // away, where Delete would remove rows no one sees.
    const int row = home ? 0 : Count() - 1;
    const QModelIndex index = model_->index(row, 0);
    if (key->modifiers() & Qt::ShiftModifier) {
        // Shift extends from the current row to the end.
        const int from = std::max(0, view_->currentIndex().row());
        QItemSelection range(model_->index(std::min(from, row), 0),
                             model_->index(std::max(from, row), 0));
        view_->selectionModel()->select(range, QItemSelectionModel::Select | QItemSelectionModel::Rows);
        view_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    } else {
        view_->selectionModel()->setCurrentIndex(
            index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    view_->scrollTo(index);
    emit RowClicked();
    return true;
}

PhotoListPanel::State PhotoListPanel::Exchange(State state) {
    State was = Current();
    m_photoList = std::move(state.photos);
    Refresh();
    SelectRows(state.selection);
    if (!state.selection.empty())
        view_->scrollTo(model_->index(state.selection.front(), 0));
    return was;
}

std::vector<int> PhotoListPanel::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : view_->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void PhotoListPanel::SelectRows(const std::vector<int>& rows) {
    QItemSelection selection;
    for (int row : rows)
        selection.select(model_->index(row, 0), model_->index(row, kColumnCount - 1));
    view_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

std::vector<int> PhotoListPanel::SelectedRowsOrTell() {
    std::vector<int> rows = SelectedRows();
    if (rows.empty())
        prompter_.Tell(tr("Please select items!").toStdString(), kProductName);
    return rows;
}

void PhotoListPanel::SelectAll() {
    view_->setFocus();
    view_->selectAll();
}

void PhotoListPanel::Append(std::vector<PhotoItem> photos) {
    m_photoList.insert(m_photoList.end(), std::make_move_iterator(photos.begin()),
                       std::make_move_iterator(photos.end()));
    if (photos.empty())
        return;
    Refresh();
    emit PhotosAdded();
}

void PhotoListPanel::Refresh() {
    model_->Reset();
    total_->setText(tr("Total photos: %1").arg(QLocale().toString(Count())));
    emit CountChanged(Count());
}

void PhotoListPanel::ShowSettingsChanged(const std::vector<int>& rows) {
    if (!rows.empty())
        RowsChanged(rows.front(), rows.back());
}

void PhotoListPanel::RowsChanged(int first, int last) {
    model_->RowsChanged(first, last);
}

void PhotoListPanel::MoveUp() {
    Move(&MoveSelectedUp);
}

void PhotoListPanel::MoveDown() {
    Move(&MoveSelectedDown);
}

void PhotoListPanel::Move(ListCommandResult (*move)(std::vector<PhotoItem>&, const RowSelection&)) {
    const std::vector<int> rows = SelectedRows();
    ListCommandResult result = move(m_photoList, RowSelection(rows.begin(), rows.end()));
    if (result.needsSelection) {
        prompter_.Tell(tr("Please select items!").toStdString(), kProductName);
        return;
    }
    if (result.changed) {
        // Rows are updated in place; the moved photos stay selected.
        RowsChanged(0, Count() - 1);
        SelectRows(std::vector<int>(result.selection.begin(), result.selection.end()));
    }
    view_->setFocus();
}

void PhotoListPanel::DeleteSelected() {
    const std::vector<int> rows = SelectedRows();
    ListCommandResult result =
        ::DeleteSelected(m_photoList, RowSelection(rows.begin(), rows.end()));
    if (result.needsSelection) {
        prompter_.Tell(tr("Please select items!").toStdString(), kProductName);
        return;
    }
    if (result.changed)
        Refresh();
    view_->setFocus();
}

void PhotoListPanel::Clear() {
    m_photoList.clear();
    Refresh();
    view_->setFocus();
}

void PhotoListPanel::SortByColumn(int column) {
    ::SortByColumn(m_photoList, column, sort_);
    Refresh();
    view_->setFocus();
}

void PhotoListPanel::SetSortable(bool sortable) {
    view_->horizontalHeader()->setSectionsClickable(sortable);
}

void PhotoListPanel::ShowRunStarted(const std::vector<bool>& alreadyConverted) {
    for (std::size_t i = 0; i < m_photoList.size(); ++i) {
        if (i < alreadyConverted.size() && alreadyConverted[i])
            continue;
        m_photoList[i].status = PhotoStatus::Waiting;
        m_photoList[i].statusReason.clear();
    }
    RowsChanged(0, Count() - 1);
}

void PhotoListPanel::ShowConverting(int row, const std::string& outputPath) {
    PhotoItem& photo = Photo(row);
    photo.strOutputPath = outputPath;
    photo.status = PhotoStatus::Converting;
    RowsChanged(row, row);
}

void PhotoListPanel::ShowFinished(int row, PhotoStatus status, const std::string& reason) {
    PhotoItem& photo = Photo(row);
    photo.status = status;
    photo.statusReason = reason;
    RowsChanged(row, row);
}

void PhotoListPanel::ShowRunEnded(bool stopped) {
    for (PhotoItem& photo : m_photoList)
        if (photo.status == PhotoStatus::Waiting)
            photo.status = stopped ? PhotoStatus::NotConverted : PhotoStatus::None;
    RowsChanged(0, Count() - 1);
}
