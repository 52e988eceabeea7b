// Fuzz target: byte 0 picks a field editor or dialogue, byte 1 its parameter,
// the rest are keys (0xF0-0xF3: keypad Backspace and Enter, a resize, a failed
// read); past the keys the screen answers Escape, which must end any dialogue.
#include <deque>
#include <iterator>

#include "fuzz_support.h"

namespace {

std::deque<int> decode_keys(const uint8_t *data, size_t size) {
  constexpr int SPECIAL[] = {KEY_PAD_BS, KEY_PAD_ENTER, 410, -1};
  std::deque<int> keys;
  for (size_t i = 0; i < size; ++i)
    keys.push_back(data[i] >= 0xF0 && data[i] <= 0xF3 ? SPECIAL[data[i] - 0xF0]
                                                      : data[i]);
  return keys;
}

// Every dialogue returns a documented answer; its settings are checked after.
void (*const DIALOGUES[])(uint8_t) = {
    [](uint8_t) {
      int got = read_yes_no_key();
      fuzz::check(got >= -1 && got <= 1, "yes/no result");
    },
    [](uint8_t param) {
      int hi = param % 2 ? 9999 : 50, got = read_number_field(param % 2, hi);
      fuzz::check((got >= param % 2 && got <= hi) || got == -1 || got == -2,
                  "number field result");
    },
    [](uint8_t) {
      char dest[POSITION_COMMENT_SIZE] = "kept";
      int got = read_text_field(dest);
      fuzz::check(got == 0 || std::strcmp(dest, "kept") == 0,
                  "an abandoned text field leaves the destination");
    },
    [](uint8_t) { config.cdf = ask_cdf(config.cdf, cdf_kind::creature); },
    [](uint8_t) { config.jeweler_el = ask_jeweler_el(config.jeweler_el); },
    [](uint8_t) { config.monster_index = select_monster(game); },
    [](uint8_t) { config.lair_index = select_area(game); },
    [](uint8_t) { ask_special_scores(game); },
    [](uint8_t) { enter_comments(game); },
    [](uint8_t) { ask_output_name(config); },
    [](uint8_t) { fuzz::remove_outputs(), main_menu(game); },
    [](uint8_t) { fuzz::remove_outputs(), manual_generation(game); },
    [](uint8_t) { ask_save_and_exit(game); },
};

}  // namespace

FUZZ_START(true)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size < 2) return 0;
  default_settings(config);
  config.monster_index = data[1] % tables.monster_count;
  config.lair_index = data[1] % tables.area_count;
  memory_screen screen(decode_keys(data + 2, size - 2));
  set_screen(&screen);
  DIALOGUES[data[0] % std::size(DIALOGUES)](data[1]);
  fuzz::check(screen.row() >= 0 && screen.row() < SCREEN_ROWS &&
                  screen.col() >= 0 && screen.col() < SCREEN_COLS,
              "cursor on the screen");
  set_screen(nullptr);
  fuzz::check_settings();
  return 0;
}
