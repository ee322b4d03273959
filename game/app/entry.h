// GameMain: the program's entry: installation checks, tables, callbacks, Init and the main loop.
#pragma once

// The process exit code: -1 when an installation check or Init fails, else the loop's result.
int GameMain();
