// Reading the monster, area and settings files and writing the settings file.
// The loaders read whitespace-separated tokens with bounded reads, cut text
// tokens to their fields and refuse any entry that would not fit the tables.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

#include "model.h"

// A problem found in an information file by a reading in checking mode.
struct info_problem {
  std::string file;
  long line;  // 1-based line of the token at fault (or of the last token); 0
              // for a file refused before reading
  std::string entry;  // "monster 3 (name)", "area 2", "settings", or ""
  std::string what;
  bool warning = false;  // the file still loads as it is
};

// Fills the monsters of `t` from an open monster file. Returns 0, or 1 with
// a one-line description (naming `file_name` and the entry) in err; on
// failure the monster table is left empty.
// In checking mode (`notes` given) every problem is added to notes and the
// reading goes on to the end of the file (err may then be null): besides
// what makes the loader refuse a file, a word cut to its field and entries
// after the promised count count as problems. 1 is returned when any
// problem was found.
// Loading puts the names of the entries after the count in `left_out`, when
// given.
int load_monsters(FILE *f, const char *file_name, info_tables &t, char *err,
                  std::size_t n, std::vector<info_problem> *notes = nullptr,
                  std::vector<std::string> *left_out = nullptr);
// Fills the areas of `t` from an open area file; same contract.
int load_areas(FILE *f, const char *file_name, info_tables &t, char *err,
               std::size_t n, std::vector<info_problem> *notes = nullptr,
               std::vector<std::string> *left_out = nullptr);
// The names of the monsters (or lairs) after the count at the top of
// monster.hxi (or area.hxi) in the current folder, as loading reads them;
// empty when there are none or the file cannot be loaded.
std::vector<std::string> names_left_out(bool monsters);
// Releases every portable text and empties the monster table.
void free_monsters(info_tables &t);

// The settings a fresh start takes: output "default", first monster and lair,
// CDFs 1, no EL, no special scores, game date 1/1/1.
void default_settings(settings &s);
// Reads the settings from an open settings file. Fields the file does not
// hold stay 0; then every value is brought into the range the settings
// screens allow, and a monster or area index outside the loaded tables
// becomes 0. An output name longer than an output name or with a character
// an output name may not hold is replaced by "default". Of the answers only
// the answer bits are kept. With `notes`, every value the reading does not
// take as the file holds it is added to notes, saying what it becomes.
void load_settings(FILE *f, const info_tables &t, settings &s,
                   std::vector<info_problem> *notes = nullptr,
                   const char *file_name = "setup.hxi");
// Writes the four settings lines to a temporary file beside `path` and
// renames it over `path`, so the old file stays whole unless the new one was
// written completely. Returns 0, or 1 when anything failed.
int save_settings(const char *path, const settings &s);
// The text save_settings writes: the four lines of the settings file, or ""
// when they do not fit its bounds.
std::string settings_text(const settings &s);

// Opens a file for reading without waiting on it: the file is opened
// non-blocking and refused unless it is a regular file, so a FIFO is
// refused at once instead of waiting for a writer, and a device is never
// read. Returns null with `refusal` empty when there is no such file, with
// the system's reason (errno left set) when it cannot be opened, or with
// "not a regular file" (errno 0). `size` gets the file's size.
FILE *open_regular_file(const char *name, std::string &refusal,
                        long long *size = nullptr);

// Opens an information file for reading. Returns null with `refusal` empty
// when there is no such file to open, and null with the reason in `refusal`
// ("not a regular file", "larger than 4 MiB") when it is no regular file of
// sensible size: a FIFO would block, a device never end, and a huge file
// take long to be refused. A file there that cannot be opened gives the
// system's reason ("Permission denied") with errno left set; a refusal of
// an opened file leaves errno 0.
FILE *open_info_file(const char *name, std::string &refusal);

// Opens monster.hxi and area.hxi in the current folder (both before reading
// either) and loads them. Returns 0; 1 when a file is missing, or 2 when a
// file is refused (no regular file, larger than INFO_FILE_MAX_BYTES, or an
// entry that does not fit), with the text to show on the standard error
// stream in err; nothing is left loaded then.
int load_tables(info_tables &t, std::string &err);
// The sentence that entries after the count at the top of monster.hxi or
// area.hxi were left out by loading, naming how many and the command that
// shows where; empty when none were.
std::string left_out_sentence(const info_tables &t);
// The same for these counts of left-out monsters and lairs.
std::string left_out_sentence(int monsters, int lairs);
// Loads setup.hxi from the current folder. Without the file the settings
// take their defaults and 1 is returned with a line saying so in err (no
// fault: nothing was saved yet); a file that
// is refused as load_tables refuses one gives 2, the defaults and the
// refusal in err.
int load_settings_file(const info_tables &t, settings &s, std::string &err);
