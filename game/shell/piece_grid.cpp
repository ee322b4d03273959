// ComputeGrid: the piece grid of a catalogue entry; see piece_grid.h.
#include "game/shell/piece_grid.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kDefaultAmount = 12;
// Far beyond any playable grid; keeps the products of the grid sides inside an int for a
// hostile catalogue or save file.
constexpr int kMaxAmount = 10000;

}  // namespace

PIECE_GRID ComputeGrid(int amount, int Min, int width, int height) {
    PIECE_GRID grid;
    grid.amount = amount <= 0 ? kDefaultAmount : std::min(amount, kMaxAmount);
    const bool landscape = width > height;

    if (Min > 0) {
        grid.Min = Min;
        const int along = std::max(grid.amount / Min, 1);
        grid.columns = landscape ? std::max(Min, along) : std::min(Min, along);
        grid.rows = landscape ? std::min(Min, along) : std::max(Min, along);
        grid.aspect = landscape ? static_cast<float>(grid.rows) / static_cast<float>(grid.columns)
                                : static_cast<float>(grid.columns) / static_cast<float>(grid.rows);
        return grid;
    }

    // A thumbnail without a size (it never loaded) is taken as square.
    double ratio = 1.0;
    if (width > 0 && height > 0) {
        ratio =
            landscape ? static_cast<double>(height) / width : static_cast<double>(width) / height;
    }
    const int u =
        std::max(static_cast<int>(std::sqrt(4.0 * ratio * grid.amount) / (2.0 * ratio) + 0.5), 1);
    const int v = std::max(static_cast<int>(static_cast<double>(grid.amount) / u + 0.5), 1);
    const int shorter = std::min(u, v);
    const int longer = std::max(u, v);
    grid.columns = landscape ? longer : shorter;
    grid.rows = landscape ? shorter : longer;
    grid.amount = grid.columns * grid.rows;
    grid.aspect = static_cast<float>(shorter) / static_cast<float>(longer);
    grid.Min = shorter;
    return grid;
}
