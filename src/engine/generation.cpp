// A generation from start to end: writing the automatic script, and reading
// a script back into the report that is appended to the output file.
//
// The report is built in memory while the script is read and appended to the
// output file in one piece at the end, under an exclusive lock. Two programs
// in one folder therefore never interleave their reports, and the lock is
// not held while the user pages through the report on the screen.
#include "generation.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "area_writer.h"
#include "dice.h"
#include "interpreter.h"
#include "portable_writer.h"

namespace {

// Extra lair items on top of the monster's own number.
int extra_lair_items(uint32_t special_code, const settings &s) {
  if (special_code & SCORES_STATION_EXTRA) return s.station + 1;
  if (special_code & SCORES_MEL_EXTRA) return s.mel;
  if ((special_code & MAY_HAVE_OTHERS) && s.answers == 0 && d100() <= 30)
    return d6();
  return 0;
}

}  // namespace

void write_header(script_writer &w, const generation_input &in, int monster,
                  int station, long portable_code) {
  const settings &s = in.config;
  w.header({in.real_date, s.game_day, s.game_month, s.game_year, in.position,
            in.comment},
           {s.lair_index, monster, s.cdf, s.group_cdf, s.jeweler_el, station,
            portable_code});
}

void write_automatic_script(script_writer &w, const generation_input &in) {
  const settings &s = in.config;
  const monster_record &m = monster_at(in.tables, s.monster_index);
  const area_record &lair = area_at(in.tables, s.lair_index);
  int station = (m.special_code & SCORES_STATION_EXTRA) ? s.station : -1;
  write_header(w, in, s.monster_index, station,
               static_cast<long>(m.portable_code));

  w.line("PORTABLE\n");
  // The answers share the bit 0x10 with the generation bits; an OR keeps a
  // yes to "other monsters" from carrying into 0x20 (the Station bit).
  uint32_t flags = (m.special_code & GENERATION_BITS) | s.answers;
  write_portable_items(w, {lair, flags, m.portable_code, m.portable_text,
                           s.station, s.mel, s.cel});
  w.line("END-OF-SECTION\n----------\nLAIR-TREASURE\n");

  int items = m.lair_items + extra_lair_items(m.special_code, s);
  write_area_items(w, lair, items, (m.special_code & ADD_ONE) ? 1 : 0);
  w.line("END-OF-SECTION\n");
}

generation_status begin_script_file(script_file &script, const char *path) {
  return create_script(script, path) ? generation_status::done
                                     : generation_status::script_write_failed;
}

generation_status finish_script_file(script_file &script) {
  return finish_script(script) ? generation_status::done
                               : generation_status::script_write_failed;
}

namespace {

// Begins a script file for `path` and writes what `write` writes of the
// input into it.
generation_status begin_writing(script_file &script, const char *path,
                                const generation_input &in,
                                void (*write)(script_writer &,
                                              const generation_input &)) {
  generation_status status = begin_script_file(script, path);
  if (status != generation_status::done) return status;
  script_writer w(script.stream);
  write(w, in);
  return status;
}

}  // namespace

void write_manual_start(script_writer &w, const generation_input &in) {
  // The seventh number, a monster's portable code in an automatic script,
  // means nothing here.
  write_header(w, in, MANUAL_MONSTER, NO_STATION, 0);
  w.line("MANUAL-GENERATION\n");
}

generation_status write_automatic_script_file(script_file &script,
                                              const char *path,
                                              const generation_input &in) {
  generation_status status =
      begin_writing(script, path, in, write_automatic_script);
  return status == generation_status::done ? finish_script_file(script)
                                           : status;
}

generation_status begin_manual_script_file(script_file &script,
                                           const char *path,
                                           const generation_input &in) {
  return begin_writing(script, path, in, write_manual_start);
}

generation_status finish_manual_script_file(script_file &script) {
  script_writer(script.stream).line("END-OF-SECTION\n");
  return finish_script_file(script);
}

std::string output_path(const char *name) {
  char path[FILE_NAME_SIZE + 8];
  std::snprintf(path, sizeof path, "%.*s.hxo", FILE_NAME_SIZE - 1, name);
  return path;
}

generation_status interpret_to_output(FILE *script, int output_fd,
                                      const char *path,
                                      const info_tables &tables,
                                      text_report &report,
                                      report_sink *viewer) {
  report.clear();
  dice_record dice{};
  if (viewer) {
    both_sinks both(report, *viewer);
    interpret_script(script, tables, dice, both);
  } else {
    interpret_script(script, tables, dice, report);
  }
  return append_report(output_fd, path, report.text())
             ? generation_status::done
             : generation_status::output_write_failed;
}

generation_status interpret_open_script(FILE *script, const char *output_name,
                                        const info_tables &tables,
                                        text_report &report,
                                        report_sink *viewer) {
  std::string path = output_path(output_name);
  int fd = open_output_path(path.c_str());
  if (fd < 0) return generation_status::output_write_failed;
  return interpret_to_output(script, fd, path.c_str(), tables, report, viewer);
}

generation_status interpret_file(const char *path, const char *output_name,
                                 const info_tables &tables, text_report &report,
                                 report_sink *viewer) {
  // Opened without waiting, so a FIFO in the script's place cannot hold the
  // program; only a regular file is read.
  int fd = open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  struct stat st {};
  FILE *script = nullptr;
  if (fd >= 0 && fstat(fd, &st) == 0 && S_ISREG(st.st_mode))
    script = fdopen(fd, "r");
  if (!script) {
    if (fd >= 0) close(fd);
    return generation_status::script_read_failed;
  }
  generation_status status =
      interpret_open_script(script, output_name, tables, report, viewer);
  std::fclose(script);
  return status;
}
