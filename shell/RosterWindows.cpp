// The roster's table of windows.
