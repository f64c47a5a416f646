// The smallest program of the same kind: what the launcher is measured
// against, for size and for start-up time.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return 1; }
