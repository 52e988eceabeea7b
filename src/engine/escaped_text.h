// Text a message quotes from a file, a script or the command line, made
// safe to print on a terminal: a control byte would otherwise move the
// cursor, clear the screen or set the window's title.
#pragma once

#include <string>
#include <string_view>

// The text with each control byte written as \xNN (two upper-case hex
// digits): the C0 bytes, DEL, the C1 controls U+0080 to U+009F and a byte
// of 0x80 to 0x9F that belongs to no UTF-8 character. UTF-8 characters and
// other bytes stay as they are. With `keep_newlines` a line end stays one,
// for a message of several lines.
std::string escaped_text(std::string_view text, bool keep_newlines = false);
