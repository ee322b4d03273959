// Entry point of Puzzle Desk: the frame with its window and main loop, showing the clear colour.
#include "engine/frame/game.h"

int main() {
    WUN::ST_GAME* game = WUN::ST_GAME::GetInstance();
    game->SetName("Puzzle Desk");
    game->SetClearColor(0xFF000000);
    if (game->Init("Puzzle Desk", "Puzzle Desk") != 0) {
        return -1;
    }
    return game->Run();
}
