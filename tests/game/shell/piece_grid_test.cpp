// The piece grid of a catalogue entry: landscape, portrait and square thumbnails, a given Min,
// and the hostile extremes a catalogue or save file can hold.
#include "game/shell/piece_grid.h"

#include <gtest/gtest.h>

namespace {

struct GRID_CASE {
    const char* name;
    int amount, Min, width, height;
    int columns, rows, shown_amount, shown_Min;
    float aspect;
};

TEST(PieceGridTest, GridsFromTheWantedCountAndTheThumbnail) {
    const GRID_CASE cases[] = {
        {"4:3 landscape", 12, 0, 40, 30, 4, 3, 12, 3, 0.75f},
        {"3:4 portrait", 12, 0, 30, 40, 3, 4, 12, 3, 0.75f},
        {"a square counts as portrait", 12, 0, 40, 40, 3, 4, 12, 3, 0.75f},
        {"3:1 panorama", 12, 0, 300, 100, 6, 2, 12, 2, 2.0f / 6.0f},
        {"the amount becomes the grid's", 100, 0, 40, 30, 12, 8, 96, 8, 8.0f / 12.0f},
        {"four pieces make a square grid", 4, 0, 40, 30, 2, 2, 4, 2, 1.0f},
        {"a large amount", 1000, 0, 40, 30, 37, 27, 999, 27, 27.0f / 37.0f},
        {"0 means 12", 0, 0, 40, 30, 4, 3, 12, 3, 0.75f},
        {"a negative amount means 12", -5, 0, 40, 30, 4, 3, 12, 3, 0.75f},
        {"a thumbnail without a size is square", 12, 0, 0, 0, 3, 4, 12, 3, 0.75f},
        {"a grid has at least one row", 1, 0, 1000, 10, 10, 1, 10, 1, 0.1f},
        {"an absurd amount is capped", 2000000000, 0, 40, 30, 115, 87, 10005, 87, 87.0f / 115.0f},
        // With Min given the amount is kept and the other side is amount / Min.
        {"Min on landscape", 12, 3, 40, 30, 4, 3, 12, 3, 0.75f},
        {"Min on portrait", 12, 3, 30, 40, 3, 4, 12, 3, 0.75f},
        {"Min keeps an amount that does not divide", 13, 3, 40, 30, 4, 3, 13, 3, 0.75f},
        {"Min above amount / Min", 12, 4, 40, 30, 4, 3, 12, 4, 0.75f},
        {"Min beyond the amount", 12, 15, 40, 30, 15, 1, 12, 15, 1.0f / 15.0f},
        {"a save without an amount gets 12", 0, 3, 40, 30, 4, 3, 12, 3, 0.75f},
        {"a negative Min is computed", 12, -3, 40, 30, 4, 3, 12, 3, 0.75f},
    };
    for (const GRID_CASE& c : cases) {
        SCOPED_TRACE(c.name);
        const PIECE_GRID grid = ComputeGrid(c.amount, c.Min, c.width, c.height);
        EXPECT_EQ(grid.columns, c.columns);
        EXPECT_EQ(grid.rows, c.rows);
        EXPECT_EQ(grid.amount, c.shown_amount);
        EXPECT_EQ(grid.Min, c.shown_Min);
        EXPECT_FLOAT_EQ(grid.aspect, c.aspect);
    }
}

}  // namespace
