// Writing the treasure script: the header, section words, treasure items and
// literal texts, over a stream the caller opened.
#pragma once

#include <cstdio>

#include "model.h"

struct calendar_date {
  int day;
  int month;
  int year;
};

// The clock's date today, as the real date of a generation.
calendar_date today();

// The numbers line of a script.
struct script_numbers {
  int area;
  int monster;
  int cdf;
  int group_cdf;
  int jeweler_el;
  int station;         // -1: none
  long portable_code;  // written, never read back
};

// What the header of a script holds besides its numbers.
struct script_heading {
  calendar_date real_date;
  int game_day;
  int game_month;
  int game_year;
  const char *position;
  const char *comment;
};

class script_writer {
 public:
  explicit script_writer(FILE *file) : file_(file) {}

  // The header: the real date, the game date, the position and comment
  // texts, the separators and the numbers line.
  void header(const script_heading &h, const script_numbers &n);
  // A text as it stands (section words, separators).
  void line(const char *text);
  // A treasure item: "< ", the keywords joined by blanks, " >\n". The second
  // keyword may be null.
  void item(const char *keyword, const char *second = nullptr);
  // A literal text: "[ ", the text, "]\n". A "]" inside the text would end it
  // early and let the rest be read as script words, so it is written as ")".
  void text(const char *text);
  // As text, with a line end added when the text does not end with one.
  void text_line(const char *text);

 private:
  void literal(const char *text, bool end_line);
  FILE *file_;
};

// A script being written to a private file of its own in the folder of its
// path. Only when it is complete is it renamed over the path, and it is read
// back through the same open stream, so another program writing the same
// path can neither change nor cut a generation that is running.
struct script_file {
  FILE *stream = nullptr;  // null when the file could not be made
  const char *path = nullptr;
  char temp_path[4096] = {};  // empty once renamed over path
};

// Creates a new private script file for `path` (an earlier script at the
// path stays until the new one is complete). Returns false when it cannot be
// made.
bool create_script(script_file &script, const char *path);
// Checks that every write reached the file, renames it over its path and
// rewinds the stream for reading. Returns false when anything failed.
bool finish_script(script_file &script);
// The length written so far, to cut the script back to with cut_script;
// -1 when it cannot be told.
long script_length(script_file &script);
// Cuts an unfinished script back to a length script_length gave, so the
// items written after it are gone. Returns false when that failed.
bool cut_script(script_file &script, long length);
// Closes the stream; a file never renamed over its path is removed.
void close_script(script_file &script);
