// Entry point of Puzzle Desk: the frame with its window and main loop, showing the clear colour.
#include <cstdio>

#include "engine/frame/game.h"

int main() {
    WUN::ST_GAME* game = WUN::ST_GAME::GetInstance();
    game->SetName("Puzzle Desk");
    game->SetClearColor(0xFF000000);
    const int started = game->Init("Puzzle Desk", "Puzzle Desk");
    if (started == WUN::ST_GAME::kNoDisplay) {
        std::fprintf(stderr, "Puzzle Desk cannot start: %s\n", game->GetDisplayProblem().c_str());
    }
    if (started != 0) {
        return -1;
    }
    return game->Run();
}
