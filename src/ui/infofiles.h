// Reading the monster, area and settings files and writing the settings file.
// The loaders read whitespace-separated tokens with bounded reads, cut text
// tokens to their fields and refuse any entry that would not fit the tables.
#pragma once

#include <cstddef>
#include <cstdio>

// Fills `monster` and `max_mon` from an open monster file. Returns 0, or 1
// with a one-line description (naming `file_name` and the entry) in err; on
// failure the table is left empty.
int load_monsters(FILE *f, const char *file_name, char *err, std::size_t n);
// Fills `area` and `max_area` from an open area file; same contract.
int load_areas(FILE *f, const char *file_name, char *err, std::size_t n);
// Releases every portable text and empties the monster table.
void free_monsters();

// The settings a fresh start takes: output "default", first monster and lair,
// CDFs 1, no EL, no special scores, game date 1/1/1.
void default_settings();
// Reads `output_name` and the settings from an open settings file. Fields the
// file does not hold stay 0; then every value is brought into the range the
// settings screens allow, and a monster or area index outside the loaded
// tables becomes 0. An output name with a character the output-name field
// would refuse is replaced by "default".
void load_settings(FILE *f);
// Writes the four settings lines to a temporary file beside `path` and
// renames it over `path`, so the old file stays whole unless the new one was
// written completely. Returns 0, or 1 when anything failed.
int save_settings(const char *path);

// Start-up steps 2 to 6: opens monster.hxi and area.hxi in the current
// folder (both before reading either), loads them, then the settings. A file
// that is missing or malformed is reported on the standard error stream and
// 1 is returned; nothing is left loaded then.
int load_info_files();
