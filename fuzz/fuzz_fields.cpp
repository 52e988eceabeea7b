// Fuzz target: any key sequence into each field editor and each settings
// dialogue on the in-memory screen, with the sample tables loaded. The first
// byte picks the dialogue, the second its parameter (a range, a monster), the
// rest are keys: bytes below 0xF0 are their own key codes (so Backspace 8,
// Enter 13 and Escape 27 come straight from the bytes), 0xF0 is the keypad
// Backspace 263, 0xF1 the keypad Enter 343, 0xF2 a resize, 0xF3 the code of
// a failed read, and 0xF4 takes the next byte as a curses key code above
// 255. When the keys run out the screen answers Escape, which every dialogue
// must take as the way out.
#include <dirent.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <deque>
#include <string>

#include "fuzz_support.h"

namespace {

constexpr int KEY_RESIZE_CODE = 410;

std::deque<int> decode_keys(const uint8_t *data, size_t size) {
  std::deque<int> keys;
  for (size_t i = 0; i < size; ++i) {
    uint8_t b = data[i];
    switch (b) {
      case 0xF0:
        keys.push_back(KEY_PAD_BS);
        break;
      case 0xF1:
        keys.push_back(KEY_PAD_ENTER);
        break;
      case 0xF2:
        keys.push_back(KEY_RESIZE_CODE);
        break;
      case 0xF3:
        keys.push_back(-1);
        break;
      case 0xF4:
        if (i + 1 < size) keys.push_back(256 + data[++i]);
        break;
      default:
        keys.push_back(b);
    }
  }
  return keys;
}

// The menu's generations append to output files in the work folder; each run
// starts without them so the folder does not grow.
void remove_outputs() {
  DIR *d = opendir(".");
  if (!d) return;
  while (dirent *e = readdir(d)) {
    std::string name = e->d_name;
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".hxo") == 0)
      unlink(name.c_str());
  }
  closedir(d);
}

bool text_char(char c) { return fuzz::name_char(c) || c == ' '; }

bool valid_text(const char *s, std::size_t size) {
  std::size_t n = strnlen(s, size);
  if (n == 0 || n >= size) return false;
  for (std::size_t i = 0; i < n; ++i)
    if (!text_char(s[i])) return false;
  return true;
}

struct range {
  int lo, hi;
};
// The ranges the screens use, and a few beyond them.
constexpr range RANGES[] = {{0, 10},  {0, 50}, {1, 99}, {1, 9999},
                            {1, 100}, {0, 0},  {5, 5},  {1, 2147483647}};

void run_dialogue(int which, uint8_t param) {
  switch (which) {
    case 0: {
      int got = in_yn();
      fuzz::check(got == 1 || got == 0 || got == -1, "yes/no result");
      break;
    }
    case 1: {
      const range &r = RANGES[param % (sizeof RANGES / sizeof RANGES[0])];
      int got = in_int(r.lo, r.hi);
      fuzz::check(
          (got >= r.lo && got <= r.hi) || got == -1 || (got == -2 && r.lo > 0),
          "number field result");
      break;
    }
    case 2: {
      // The destination on the heap, exactly as large as the field allows.
      char *dest = new char[TEXT_SIZE];
      std::strcpy(dest, "kept");
      int got = enter_txt(dest);
      if (got == 0)
        fuzz::check(valid_text(dest, TEXT_SIZE), "text field characters");
      else
        fuzz::check((got == -1 || got == -2) && std::strcmp(dest, "kept") == 0,
                    "an abandoned text field leaves the destination");
      delete[] dest;
      break;
    }
    case 3: {
      int old = 1 + param % 99;
      int got = ask_cdf(old, param % 2 ? cdf_kind::group : cdf_kind::creature);
      fuzz::check((got >= 1 && got <= 99) || got == old, "CDF result");
      break;
    }
    case 4: {
      config.jeweler_el = param % 81;
      int got = ask_jeweler_el(config.jeweler_el);
      fuzz::check(got >= 0 && got <= 80, "jeweler EL result");
      break;
    }
    case 5:
      config.monster_index = select_monster(ss);
      break;
    case 6:
      config.lair_index = select_area(ss);
      break;
    case 7:
      ask_special_scores(ss);
      break;
    case 8:
      enter_comments(ss);
      fuzz::check(valid_text(ss.position, TEXT_SIZE), "position characters");
      fuzz::check(valid_text(ss.comment, TEXT_SIZE), "comment characters");
      break;
    case 9: {
      int got = ask_output_name(config);
      fuzz::check(got == 0 || got == 1, "output name result");
      break;
    }
    case 10:
      remove_outputs();
      main_menu(ss);
      break;
    case 11: {
      remove_outputs();
      int got = manual_generation(ss);
      fuzz::check(got == 0 || got == 1, "manual generation result");
      break;
    }
    default: {
      int got = ask_save_and_exit(ss);
      fuzz::check(got == 0 || got == 1, "exit question result");
      break;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
  fuzz::enter_work_dir();
  fuzz::load_sample_tables();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size < 2) return 0;
  default_settings(config);
  std::strcpy(ss.position, " ");
  std::strcpy(ss.comment, " ");
  config.monster_index = data[1] % tables.monster_count;
  config.lair_index = data[1] % tables.area_count;

  MemScreen screen(decode_keys(data + 2, size - 2));
  set_screen(&screen);
  run_dialogue(data[0] % 13, data[1]);
  fuzz::check(screen.row() >= 0 && screen.row() < SCREEN_ROWS &&
                  screen.col() >= 0 && screen.col() < SCREEN_COLS,
              "cursor on the screen");
  set_screen(nullptr);
  fuzz::check_settings();
  return 0;
}
