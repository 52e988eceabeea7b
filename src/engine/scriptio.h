// Pieces the script writers and the interpreter share: creating and writing
// the treasure script (header, items, literal texts, the checked close), the
// failure messages of a generation, and bounded lookups of the monster and
// area tables.
#pragma once

#include "hoardex.h"

extern const char MSG_SCRIPT_READ[];
extern const char MSG_SCRIPT_WRITE[];
extern const char MSG_OUTPUT_WRITE[];

// Creates script_name.hxs for writing (an earlier file is replaced) and keeps
// it in the global `script`. Returns 0 on success, 1 when it cannot be made.
int script_create();

// Writes the header: the real date, the game date, the position and comment
// texts, the separators and the numbers line.
void script_header(int t_area, int t_mon, int t_CDF, int t_maxCDF, int t_JewEL,
                   int t_stat, long t_port);

// Writes a text to the script as it stands (section words, separators).
void script_line(const char *text);

// Writes a treasure item: "< ", the keywords joined by blanks, " >\n". The
// second keyword may be null.
void script_item(const char *kw1, const char *kw2 = nullptr);

// Writes a literal text: "[ ", the text, "]\n". A "]" inside the text would
// end it early and let the rest be read as script words, so it is written as
// ")".
void script_text(const char *text);
// As script_text, with a line end added when the text does not end with one.
void script_text_line(const char *text);

// Closes the script. Returns 0 when every write and the close succeeded, 1
// otherwise.
int script_close();

// Tells the user that a generation failed: the message on the standard error
// stream and on the prompt line, then waits for one key.
void generation_failed(const char *msg);

// The area record at an index, or an empty record (every bound 0, name "")
// for an index outside the loaded table.
const area_type &area_at(int t_area);
// The monster record at an index, or an empty record for an index outside
// the table.
const monster_type &monster_at(int t_mon);
