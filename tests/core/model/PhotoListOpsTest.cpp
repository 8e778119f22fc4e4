#include "model/PhotoListOps.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

// A list whose photos are named by their starting row: "0", "1", ...
std::vector<PhotoItem> Numbered(int count) {
    std::vector<PhotoItem> photos(count);
    for (int i = 0; i < count; ++i)
        photos[i].strFileName = std::to_string(i);
    return photos;
}

std::string Order(const std::vector<PhotoItem>& photos) {
    std::string order;
    for (const PhotoItem& p : photos)
        order += (order.empty() ? "" : ",") + p.strFileName;
    return order;
}

enum class Command { Up, Down, Delete };

struct ListCase {
    const char* name;
    Command command;
    int count;
    RowSelection selection;
    std::string order;        // afterwards
    RowSelection selectedAfter;
    bool changed;
    bool needsSelection;
};

void PrintTo(const ListCase& c, std::ostream* os) { *os << c.name; }

class ListCommandTest : public ::testing::TestWithParam<ListCase> {};

TEST_P(ListCommandTest, MovesAndKeepsSelection) {
    const ListCase& c = GetParam();
    std::vector<PhotoItem> photos = Numbered(c.count);
    ListCommandResult result;
    switch (c.command) {
    case Command::Up: result = MoveSelectedUp(photos, c.selection); break;
    case Command::Down: result = MoveSelectedDown(photos, c.selection); break;
    case Command::Delete: result = DeleteSelected(photos, c.selection); break;
    }
    EXPECT_EQ(Order(photos), c.order);
    EXPECT_EQ(result.selection, c.selectedAfter);
    EXPECT_EQ(result.changed, c.changed);
    EXPECT_EQ(result.needsSelection, c.needsSelection);
}

INSTANTIATE_TEST_SUITE_P(
    PhotoList, ListCommandTest,
    ::testing::Values(
        ListCase{"UpTopRowSelectedMovesNothing", Command::Up, 5, {0, 3}, "0,1,2,3,4", {0, 3}, false, false},
        ListCase{"UpBlockMovesTogether", Command::Up, 5, {2, 3}, "0,2,3,1,4", {1, 2}, true, false},
        ListCase{"UpSeparateRows", Command::Up, 5, {1, 3}, "1,0,3,2,4", {0, 2}, true, false},
        ListCase{"UpNoSelectionAsks", Command::Up, 3, {}, "0,1,2", {}, false, true},
        ListCase{"UpSinglePhotoDoesNothing", Command::Up, 1, {}, "0", {}, false, false},
        ListCase{"UpIgnoresRowsOutsideList", Command::Up, 3, {2, 7}, "0,2,1", {1}, true, false},
        ListCase{"DownLastRowSelectedMovesNothing", Command::Down, 4, {1, 3}, "0,1,2,3", {1, 3}, false, false},
        ListCase{"DownBlockMovesTogether", Command::Down, 4, {1, 2}, "0,3,1,2", {2, 3}, true, false},
        ListCase{"DownNoSelectionAsks", Command::Down, 2, {}, "0,1", {}, false, true},
        ListCase{"DownEmptyListDoesNothing", Command::Down, 0, {}, "", {}, false, false},
        ListCase{"DeleteKeepsOthersInOrder", Command::Delete, 6, {1, 2, 4}, "0,3,5", {}, true, false},
        ListCase{"DeleteEverything", Command::Delete, 3, {0, 1, 2}, "", {}, true, false},
        ListCase{"DeleteSingleLeftPhoto", Command::Delete, 1, {0}, "", {}, true, false},
        ListCase{"DeleteNoSelectionAsks", Command::Delete, 2, {}, "0,1", {}, false, true},
        ListCase{"DeleteEmptyListDoesNothing", Command::Delete, 0, {}, "", {}, false, false}),
    [](const ::testing::TestParamInfo<ListCase>& info) { return std::string(info.param.name); });

std::vector<PhotoItem> Named(const std::vector<std::pair<std::string, std::string>>& nameAndTime) {
    std::vector<PhotoItem> photos;
    for (const auto& [name, time] : nameAndTime) {
        PhotoItem p;
        p.strFileName = name;
        p.strTime = time;
        photos.push_back(p);
    }
    return photos;
}

TEST(PhotoSortTest, NamesCompareByteWiseAndCaseSensitive) {
    auto photos = Named({{"a.jpg", ""}, {"B.jpg", ""}, {"\xc3\xa9.jpg", ""}, {"_x.jpg", ""}});
    SortPhotos(photos, PhotoSortKey::FileName, true);
    EXPECT_EQ(Order(photos), "B.jpg,_x.jpg,a.jpg,\xc3\xa9.jpg");
    SortPhotos(photos, PhotoSortKey::FileName, false);
    EXPECT_EQ(Order(photos), "\xc3\xa9.jpg,a.jpg,_x.jpg,B.jpg");
}

TEST(PhotoSortTest, ColumnClicksAlternateEachColumnOnItsOwn) {
    auto photos = Named({{"b", "2009/01/02 03:04:05"},
                         {"c", "2008/12/31 23:59:59"},
                         {"a", "2010/01/01 00:00:00"}});
    PhotoSortState state;
    EXPECT_TRUE(SortByColumn(photos, kColumnFileName, state));
    EXPECT_EQ(Order(photos), "a,b,c");
    EXPECT_TRUE(SortByColumn(photos, kColumnFileName, state));
    EXPECT_EQ(Order(photos), "c,b,a");
    EXPECT_TRUE(SortByColumn(photos, kColumnFileName, state));
    EXPECT_EQ(Order(photos), "a,b,c");
    // The time column's first click is ascending, whatever the name sort did.
    EXPECT_TRUE(SortByColumn(photos, kColumnTime, state));
    EXPECT_EQ(Order(photos), "c,b,a");
    EXPECT_TRUE(state.m_bNameSortAscending);
    EXPECT_TRUE(state.m_bTimeSortAscending);
    for (int column : {kColumnSourceSize, kColumnOutputSize, kColumnRotate}) {
        EXPECT_FALSE(SortByColumn(photos, column, state));
        EXPECT_EQ(Order(photos), "c,b,a");
    }
}

TEST(PhotoSortTest, EqualKeysKeepTheirOrder) {
    auto photos = Named({{"x", "1"}, {"y", "0"}, {"z", "1"}, {"w", "0"}});
    SortPhotos(photos, PhotoSortKey::Time, true);
    EXPECT_EQ(Order(photos), "y,w,x,z");
    SortPhotos(photos, PhotoSortKey::Time, false);
    EXPECT_EQ(Order(photos), "x,z,y,w");
}

}  // namespace
