// Messages meant for the standard error stream. While that stream is the
// terminal the screen is drawn on, a message written there would scroll and
// garble the screen, or be wiped when the screen starts or ends; such
// messages are held and written once the screen has ended. Each message
// stands on a line of its own.
#pragma once

#include <string>

// Writes the message at once when the standard error stream is no terminal,
// and holds it otherwise.
void notice(const std::string &text);
// Writes every held message, in order (after the screen has ended, or when
// the program ends without one).
void write_held_notices();
