// The terminal behind the screen seam.
#pragma once

// Starts curses in the mode the fields expect (keys one at a time, no echo,
// Enter as 13, keypad codes, a short Escape delay) and installs the curses
// screen. Ctrl-C, SIGTERM and SIGHUP then restore the terminal and end the
// program with the buffered output flushed.
void curses_start();
// Clears the terminal and ends curses.
void curses_stop();
