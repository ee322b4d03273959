// Entry point of Puzzle Desk.
#include "game/app/entry.h"
#include "game/app/game_folder.h"

int main() {
    EnterGameFolder();
    return GameMain();
}
