#include "photolist/PhotoListOps.h"

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

ListCommandResult MoveSelectedUp(std::vector<PhotoItem>& photos, const RowSelection& selection) {
    const int count = static_cast<int>(photos.size());
    ListCommandResult result;
    result.selection = ValidRows(selection, count);
    if (count <= 1)
        return result;
    if (result.selection.empty()) {
        result.needsSelection = true;
        return result;
    }
    // The rows are visited top down and the first is the smallest, so either
    // it is the top row and nothing moves, or every selected row moves.
    if (*result.selection.begin() == 0)
        return result;
    RowSelection moved;
    for (int row : result.selection) {
        std::swap(photos[row], photos[row - 1]);
        moved.insert(row - 1);
    }
    result.selection = std::move(moved);
    result.changed = true;
    return result;
}

ListCommandResult MoveSelectedDown(std::vector<PhotoItem>& photos, const RowSelection& selection) {
    const int count = static_cast<int>(photos.size());
    ListCommandResult result;
    result.selection = ValidRows(selection, count);
    if (count <= 1)
        return result;
    if (result.selection.empty()) {
        result.needsSelection = true;
        return result;
    }
    if (*result.selection.rbegin() == count - 1)
        return result;
    RowSelection moved;
    for (auto it = result.selection.rbegin(); it != result.selection.rend(); ++it) {
        std::swap(photos[*it], photos[*it + 1]);
        moved.insert(*it + 1);
    }
    result.selection = std::move(moved);
    result.changed = true;
    return result;
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
