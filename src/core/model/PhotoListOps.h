#pragma once
// The photo list's commands as operations on the list and its selection, so
// that the window only has to show the outcome.

#include <set>
#include <vector>

#include "model/PhotoItem.h"

// Selected rows, ascending. Rows outside the list are ignored.
using RowSelection = std::set<int>;

inline constexpr const char* kPleaseSelectItems = "Please select items!";

// What a list command did.
struct ListCommandResult {
    bool needsSelection = false;  // nothing selected: tell kPleaseSelectItems
    bool changed = false;         // the list's order or contents changed
    RowSelection selection;       // the rows selected afterwards
};

// Moves every selected photo up one row, adjacent ones as a block, unless
// the first selected row is the top row (then nothing moves). The moved
// photos stay selected. Nothing happens with fewer than two photos.
ListCommandResult MoveSelectedUp(std::vector<PhotoItem>& photos, const RowSelection& selection);

// The mirror image: down one row, unless the last selected row is the
// bottom row.
ListCommandResult MoveSelectedDown(std::vector<PhotoItem>& photos, const RowSelection& selection);

// Removes the selected photos; the others keep their order. The selection
// is empty afterwards. Nothing happens on an empty list.
ListCommandResult DeleteSelected(std::vector<PhotoItem>& photos, const RowSelection& selection);

// Column numbers of the list view.
enum PhotoColumn : int {
    kColumnFileName = 0,
    kColumnSourceSize = 1,
    kColumnTime = 2,
    kColumnOutputSize = 3,
    kColumnRotate = 4,
    kColumnFormat = 5,  // output format and quality ("WebP 82")
    kColumnFolder = 6,  // the folder below the searched one
    kColumnStatus = 7,  // the photo's result in the last run
    kColumnCount = 8,
};

enum class PhotoSortKey { FileName, Time };

// Stable sort by the key's text, compared byte by byte (case-sensitive).
void SortPhotos(std::vector<PhotoItem>& photos, PhotoSortKey key, bool ascending);

// The direction each sortable column sorts in on its next click.
struct PhotoSortState {
    bool m_bNameSortAscending = false;  // the last name sort was ascending
    bool m_bTimeSortAscending = false;  // the last time sort was ascending
};

// A click on a column header: "File name" and "Time" sort ascending, then
// alternate; the two columns keep their own directions. Other columns do
// not sort. Returns whether the list was sorted; either way the window
// rebuilds its rows and the selection is cleared.
bool SortByColumn(std::vector<PhotoItem>& photos, int column, PhotoSortState& state);
