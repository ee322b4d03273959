// ComputeGrid: the piece grid of a catalogue entry from its wanted piece count and thumbnail.
#pragma once

struct PIECE_GRID {
    int columns = 1;
    int rows = 1;
    int amount = 12;      // the piece count the entry shows
    int Min = 0;          // pieces along the shorter side
    float aspect = 1.0f;  // shorter grid side over longer grid side (at most 1)
};

// amount: the wanted number of pieces (0 or less means 12); Min: pieces along the shorter side,
// 0 to compute them from the amount; width x height: the thumbnail in pixels, which tells
// landscape (wider than high) from portrait (a square counts as portrait).
//
// With Min given the amount stays as it is and the grid is Min by amount / Min. Otherwise the
// grid is the one closest to the amount in the thumbnail's proportions, and the amount becomes
// columns x rows. Either way the grid has at least one cell.
PIECE_GRID ComputeGrid(int amount, int Min, int width, int height);
