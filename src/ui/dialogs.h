// The screens and dialogues of the program, each drawing on the installed
// screen and reading its keys.
#pragma once

#include <optional>
#include <string>

#include "generation.h"

// How a dialogue ended: `done`, what it asked for was taken or its work is
// finished; `left`, the user left it (Escape, or an answer that ends it
// without taking anything); `failed`, a file could not be read or written,
// and the screen or a notice said so.
enum class dialog_status { done, left, failed };

// Field editors. -1 means Escape, -2 Enter on an empty field.
int read_yes_no_key();
int read_number_field(int min, int max);
int read_text_field(char *text);

// The heading of a full screen: the screen cleared, the title banner at
// column 1 of `row` (row 0 keeps column 0), the title after a tab and two
// line ends.
void draw_heading(const char *title, int row = 1);

// The screen's words for a failed generation; null for done.
const char *generation_failure_message(generation_status status);
// Shows a failed generation's message on the prompt line, and as a notice
// for the standard error stream, then waits for one key.
void generation_failed(generation_status status);
// Closes a script whose file failed and shows the failure; returns failed.
dialog_status script_failed(script_file &script, generation_status status);

// The main menu until Q or Escape; `start_notes`, when given, are shown
// below the menu one after the other (a line end between two), each until a
// key redraws the menu.
void main_menu(session &game, const char *start_notes = nullptr);
// The monster list; returns the chosen index, or the current one on Escape.
int select_monster(const session &game);
// One page of the monster list from row 5, with its prompt.
void show_monster_page(const info_tables &t, int page);
// The area list; returns the chosen index, or the current one on Escape.
int select_area(const session &game);
enum class cdf_kind { creature, group };
// Asks a CDF; returns it, or `current` on Escape.
int ask_cdf(int current, cdf_kind kind);
// Asks the jeweler's EL; returns it, or `current` on Escape.
int ask_jeweler_el(int current);
// The special-score questions of the current monster.
void ask_special_scores(session &game);
// Game date, position and comments: done when they were stored, left on
// Escape (nothing is stored).
dialog_status enter_comments(session &game);
// The output file name: done when a name was stored, left on Escape.
dialog_status ask_output_name(settings &config);
// Lines of the report on one page of the screen.
constexpr int REPORT_PAGE_LINES = 18;
// Interprets the open script into the output file while the pager shows the
// report from the cursor; then waits for a key (the ledger key shows the
// report's ledger first, ranked when the script is the automatic one of the
// current settings), or shows the failure.
void show_generation(const session &game, FILE *script, bool automatic = false);
// Automatic generation for the current settings (menu key "7"): done, or
// failed after the failure was shown.
dialog_status generate_automatic(const session &game);
// Manual treasure generation (menu key "8"): done when the user leaves it,
// failed when a script file failed.
dialog_status manual_generation(const session &game);

// Start-up from the current folder: the information files, then the
// settings. Returns failed when the monster or area file is missing or
// refused, or the settings file is refused, else done; the message goes to the
// standard error stream as a notice, followed by `missing_file_hint`, when
// given, for a missing file. Without a settings file the defaults are taken and
// the line saying so goes to `start_note`, when given, after a line saying that
// entries after a count were left out.
dialog_status load_info_files(session &game,
                              const char *missing_file_hint = nullptr,
                              std::string *start_note = nullptr);
// The save and exit questions: done when the program is to end, left when
// it goes on, failed when the settings could not be saved (it goes on).
dialog_status ask_save_and_exit(const session &game);
// The whole run from start-up to the last menu, the screen ended and the
// held notices written; returns the exit status.
// The dice are seeded with `seed`, or from the clock without one;
// `missing_file_hint` follows the message of a missing information file.
int run_program(std::optional<unsigned> seed = std::nullopt,
                const char *missing_file_hint = nullptr);
// The seed the session's dice started from (given or the clock's), which
// the help names so the session can be played again.
unsigned session_seed();
