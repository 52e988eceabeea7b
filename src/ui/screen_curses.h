// The terminal behind the screen seam.
#pragma once

// Before curses starts: whether the terminal TERM names can move the cursor
// to any place on the screen. When it cannot, says so in one line on the
// standard error. A TERM unknown to terminfo is left to curses_start.
bool terminal_addressable();
// Whether the standard output is a terminal for the screen; when it is not
// (a file, a pipe), says so in one line on the standard error, naming the
// commands that need none.
bool output_is_terminal();
// Starts curses in the mode the fields expect (keys one at a time, no echo,
// Enter as 13, keypad codes, a short Escape delay) and installs the curses
// screen. Ctrl-C, Ctrl-\ (SIGQUIT), SIGTERM, SIGHUP and the end of the
// keys (input at its end or hung up, taken as SIGHUP) then restore the
// terminal and end the program with the buffered output flushed. Ctrl-Z
// gives the terminal back until fg, which brings the screen and the key modes
// back before the next key is read. Text is shown in the locale's character
// set.
void curses_start();
// Clears the terminal and ends curses.
void curses_stop();
