#include "model/PhotoListOps.h"

#include <algorithm>
#include <utility>

namespace {

// The selected rows that exist in a list of count photos.
RowSelection ValidRows(const RowSelection& selection, int count) {
    RowSelection rows;
    for (int row : selection)
        if (row >= 0 && row < count)
            rows.insert(row);
    return rows;
}

const std::string& KeyOf(const PhotoItem& photo, PhotoSortKey key) {
    return key == PhotoSortKey::FileName ? photo.strFileName : photo.strTime;
}

}  // namespace

namespace {

// Up (step -1) and Down (step +1). The rows are visited from the moving edge
// inward, so either the first visited row is at the edge and nothing moves,
// or every selected row moves one place and a block moves as a block.
ListCommandResult MoveSelected(std::vector<PhotoItem>& photos, const RowSelection& selection,
                               int step) {
    const int count = static_cast<int>(photos.size());
    ListCommandResult result;
    result.selection = ValidRows(selection, count);
    if (count <= 1)
        return result;
    if (result.selection.empty()) {
        result.needsSelection = true;
        return result;
    }
    std::vector<int> rows(result.selection.begin(), result.selection.end());
    if (step > 0)
        std::reverse(rows.begin(), rows.end());
    const int edge = step < 0 ? 0 : count - 1;
    if (rows.front() == edge)
        return result;
    RowSelection moved;
    for (int row : rows) {
        std::swap(photos[row], photos[row + step]);
        moved.insert(row + step);
    }
    result.selection = std::move(moved);
    result.changed = true;
    return result;
}

}  // namespace

ListCommandResult MoveSelectedUp(std::vector<PhotoItem>& photos, const RowSelection& selection) {
    return MoveSelected(photos, selection, -1);
}

ListCommandResult MoveSelectedDown(std::vector<PhotoItem>& photos, const RowSelection& selection) {
    return MoveSelected(photos, selection, +1);
}

ListCommandResult DeleteSelected(std::vector<PhotoItem>& photos, const RowSelection& selection) {
    const int count = static_cast<int>(photos.size());
    ListCommandResult result;
    const RowSelection rows = ValidRows(selection, count);
    if (count <= 0)
        return result;
    if (rows.empty()) {
        result.needsSelection = true;
        result.selection = rows;
        return result;
    }
    // One pass that keeps the unselected photos in order; the same as
    // removing the selected rows one by one.
    int kept = 0;
    auto next = rows.begin();
    for (int row = 0; row < count; ++row) {
        if (next != rows.end() && *next == row) {
            ++next;
            continue;
        }
        if (kept != row)
            photos[kept] = std::move(photos[row]);
        ++kept;
    }
    photos.resize(kept);
    result.changed = true;
    return result;
}

void SortPhotos(std::vector<PhotoItem>& photos, PhotoSortKey key, bool ascending) {
    // std::string compares as unsigned bytes: B.jpg sorts before a.jpg.
    if (ascending)
        std::stable_sort(photos.begin(), photos.end(), [key](const PhotoItem& a, const PhotoItem& b) {
            return KeyOf(a, key) < KeyOf(b, key);
        });
    else
        std::stable_sort(photos.begin(), photos.end(), [key](const PhotoItem& a, const PhotoItem& b) {
            return KeyOf(b, key) < KeyOf(a, key);
        });
}

bool SortByColumn(std::vector<PhotoItem>& photos, int column, PhotoSortState& state) {
    bool* ascending = nullptr;
    PhotoSortKey key = PhotoSortKey::FileName;
    if (column == kColumnFileName) {
        ascending = &state.m_bNameSortAscending;
    } else if (column == kColumnTime) {
        ascending = &state.m_bTimeSortAscending;
        key = PhotoSortKey::Time;
    } else {
        return false;
    }
    *ascending = !*ascending;
    SortPhotos(photos, key, *ascending);
    return true;
}
