// A generation from start to end: the automatic script for the current
// settings (menu key "7"), and the interpretation of a script into the
// output file with its report sent to a sink as well.
#pragma once

#include "model.h"
#include "output_file.h"
#include "report_sink.h"
#include "script_writer.h"

// Everything a generation reads.
struct generation_input {
  const info_tables &tables;
  const settings &config;
  const char *position;
  const char *comment;
  calendar_date real_date;  // written as the real date of the script
};

// What a run works on: the loaded tables, the settings and the position and
// comment texts.
struct session {
  info_tables tables{};
  settings config{};
  char position[POSITION_COMMENT_SIZE] = " ";
  char comment[POSITION_COMMENT_SIZE] = " ";

  // The input of a generation now.
  generation_input generation() const {
    return {tables, config, position, comment, today()};
  }
};

// How a generation ended: done, or the step that failed. The engine says
// what failed; the screen words it.
enum class generation_status {
  done,
  script_write_failed,
  script_read_failed,
  output_write_failed,
};

// The header of a script written for the input; `monster` names the monster
// slot, `station` is -1 for a monster without a Station.
void write_header(script_writer &w, const generation_input &in, int monster,
                  int station, long portable_code);

// The start of a manual script: its header (the manual monster slot, no
// Station) and its one section word.
void write_manual_start(script_writer &w, const generation_input &in);

// Writes the automatic script for the current monster and lair: the
// portable section and the lair section with the monster's lair items and
// the extra ones its special code gives.
void write_automatic_script(script_writer &w, const generation_input &in);

// The road of every script file, automatic or manual: begun as a new
// private file for `path` (an earlier script at the path stays), written,
// then finished, renamed over the path and left open at its start for
// reading. The caller closes it with close_script either way; a script
// closed before it is finished is removed, and the path keeps the last
// finished script.
generation_status begin_script_file(script_file &script, const char *path);
generation_status finish_script_file(script_file &script);

// Writes the automatic script into a new private script file for `path`,
// begun and finished as above.
generation_status write_automatic_script_file(script_file &script,
                                              const char *path,
                                              const generation_input &in);

// Manual generation: begins a script file for `path` with the header (the
// manual monster slot, no Station) and the manual section word; the caller
// writes its items through a script_writer on `script.stream`, then either
// finishes it with finish_manual_script_file (the section closed, the file
// finished as above) or closes it unfinished to discard it.
generation_status begin_manual_script_file(script_file &script,
                                           const char *path,
                                           const generation_input &in);
generation_status finish_manual_script_file(script_file &script);

// The path of the output file `name`.hxo.
std::string output_path(const char *name);

// Interprets the open script into `report`, whose text is then appended to
// the output file open as output_fd on path (closed afterwards); every part of
// the report also goes to `viewer` when one is given, as it is read. The report
// is emptied first, so one kept from run to run keeps its storage.
generation_status interpret_to_output(FILE *script, int output_fd,
                                      const char *path,
                                      const info_tables &tables,
                                      text_report &report,
                                      report_sink *viewer = nullptr);

// Opens the output file `output_name`.hxo, then interprets the open script
// as interpret_to_output does.
generation_status interpret_open_script(FILE *script, const char *output_name,
                                        const info_tables &tables,
                                        text_report &report,
                                        report_sink *viewer = nullptr);

// Opens the script at `path`, which must be a regular file, then interprets
// it as interpret_open_script does.
generation_status interpret_file(const char *path, const char *output_name,
                                 const info_tables &tables, text_report &report,
                                 report_sink *viewer = nullptr);
