// Entry point of Puzzle Desk.
int main() { return 0; }
