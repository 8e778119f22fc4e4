#include "window/PhotoListPanel.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QStyle>
#include <QTableView>

#include <algorithm>
#include <iterator>

#include "platform/ProductInfo.h"
#include "platform/Prompter.h"
#include "window/PhotoListModel.h"

PhotoListPanel::PhotoListPanel(QTableView* view, QLabel* total, Prompter& prompter, QObject* parent)
    : QObject(parent),
      view_(view),
      total_(total),
      prompter_(prompter),
      model_(new PhotoListModel(m_photoList, this)) {
    view_->setModel(model_);
    QHeaderView* header = view_->horizontalHeader();
    int columns = 0;
    for (int column = 0; column < kColumnCount; ++column) {
        header->resizeSection(column, PhotoListModel::DefaultWidth(column));
        columns += PhotoListModel::DefaultWidth(column);
    }
    header->setSectionsClickable(true);
    // Long names get the room; the short columns keep their widths.
    header->setStretchLastSection(false);
    header->setSectionResizeMode(kColumnFileName, QHeaderView::Stretch);
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    // Every column at its width, the names at least at theirs.
    view_->setMinimumWidth(columns + 2 * view_->frameWidth() +
                           view_->style()->pixelMetric(QStyle::PM_ScrollBarExtent));

    connect(header, &QHeaderView::sectionClicked, this, &PhotoListPanel::SortByColumn);
    connect(view_, &QAbstractItemView::clicked, this, &PhotoListPanel::RowClicked);
    connect(view_, &QAbstractItemView::doubleClicked, this, &PhotoListPanel::EditRequested);
    connect(view_, &QWidget::customContextMenuRequested, this, &PhotoListPanel::EditRequested);
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
        prompter_.Tell(kPleaseSelectItems, kProductName);
    return rows;
}

void PhotoListPanel::SelectAll() {
    view_->setFocus();
    view_->selectAll();
}

void PhotoListPanel::Append(std::vector<PhotoItem> photos) {
    m_photoList.insert(m_photoList.end(), std::make_move_iterator(photos.begin()),
                       std::make_move_iterator(photos.end()));
    // An empty list stays as it was, "Total Photos:" of a fresh window included.
    if (Count() > 0)
        Refresh();
}

void PhotoListPanel::Refresh() {
    model_->Reset();
    total_->setText(QStringLiteral("Total photos: %1").arg(Count()));
    emit CountChanged(Count());
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
        prompter_.Tell(kPleaseSelectItems, kProductName);
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
        prompter_.Tell(kPleaseSelectItems, kProductName);
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
