// GameMain: the program's entry: installation checks, tables, callbacks, Init and the main loop.
#pragma once

// Everything up to the main loop: installation checks, tables, callbacks, seed, Init (which
// opens the window and starts the loading thread). 0 when the loop may run; -1 when start-up
// failed and its message was shown. Tests drive the loop themselves after it.
int GameStart();
// The process exit code: GameStart's failure, else the main loop's result.
int GameMain();
