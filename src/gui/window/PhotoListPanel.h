#pragma once
// The photo list of the window: the photos in their order (the order a run
// converts and numbers them in), the rows that show them, the total label,
// the selection and the list commands Up, Down, Delete, Clear and sort.

#include <QObject>
#include <QString>

#include <functional>
#include <string>
#include <vector>

#include "model/PhotoItem.h"
#include "model/PhotoListOps.h"

class PhotoListModel;
class Prompter;
class QLabel;
class QTableView;

class PhotoListPanel : public QObject {
    Q_OBJECT
public:
    // Sets up view's columns over the photos; total shows their count. The
    // prompter tells "Please select items!".
    PhotoListPanel(QTableView* view, QLabel* total, Prompter& prompter, QObject* parent = nullptr);

    const std::vector<PhotoItem>& Photos() const { return m_photoList; }

    // The photos with the selected rows, for undoing a change to them.
    struct State {
        std::vector<PhotoItem> photos;
        std::vector<int> selection;
    };
    State Current() const { return {m_photoList, SelectedRows()}; }
    // The list becomes state (rebuilt, its rows selected); what it was is
    // returned.
    State Exchange(State state);
    int Count() const { return static_cast<int>(m_photoList.size()); }

    // Rows selected, ascending.
    std::vector<int> SelectedRows() const;
    void SelectRows(const std::vector<int>& rows);
    // The selected rows; none (and "Please select items!" told) when nothing
    // is selected.
    std::vector<int> SelectedRowsOrTell();
    // The list takes the focus with every row selected.
    void SelectAll();

    // Appends photos at the end, in their order, and rebuilds the rows of a
    // list that is not empty.
    void Append(std::vector<PhotoItem> photos);
    // The photo in row; the caller shows the change with Refresh.
    PhotoItem& Photo(int row) { return m_photoList[static_cast<std::size_t>(row)]; }
    // Rebuilds every row (the selection is cleared) and the total label.
    void Refresh();
    // The settings of rows changed: their rows show it, the selection stays.
    void ShowSettingsChanged(const std::vector<int>& rows);

    // The list commands. Up and Down keep the moved photos selected; the
    // others rebuild the rows.
    void MoveUp();
    void MoveDown();
    void DeleteSelected();
    void Clear();
    // A click on column's header: "File name" and "Time" sort ascending
    // first, then alternate; every click rebuilds the rows.
    void SortByColumn(int column);
    void SetSortable(bool sortable);
    // How a header click's sort is made: by default at once; the window
    // passes it through its history so that it can be undone.
    using Recorder = std::function<void(const QString& text, const std::function<void()>& change)>;
    void SetRecorder(Recorder record) { record_ = std::move(record); }

    // What a run shows in the rows: every photo waiting (but those an
    // earlier part of the run converted), one being converted (with its
    // output path), one finished, and the run over (photos a stop left out
    // read "Not converted").
    void ShowRunStarted(const std::vector<bool>& alreadyConverted = {});
    void ShowConverting(int row, const std::string& outputPath);
    void ShowFinished(int row, PhotoStatus status, const std::string& reason);
    void ShowRunEnded(bool stopped = false);

signals:
    // The number of photos may have changed.
    void CountChanged(int count);
    // Photos were appended to the list.
    void PhotosAdded();

    // A row was clicked; double-clicked or right-clicked (Edit).
    void RowClicked();
    void EditRequested();

protected:
    // Ctrl+Home and Ctrl+End take the selection along with the focus.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Column widths from the font: each column fits its header and its
    // usual contents.
    void FitColumns();
    void Move(ListCommandResult (*move)(std::vector<PhotoItem>&, const RowSelection&));
    void RowsChanged(int first, int last);

    QTableView* view_;
    QLabel* total_;
    Prompter& prompter_;
    PhotoListModel* model_;
    std::vector<PhotoItem> m_photoList;
    PhotoSortState sort_;
    Recorder record_ = [](const QString&, const std::function<void()>& change) { change(); };
};
