// Entry point of Puzzle Desk.
#include "game/app/entry.h"

int main() {
    return GameMain();
}
