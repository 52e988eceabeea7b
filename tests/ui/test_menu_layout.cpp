// The main menu with the longest monster label and every combination of
// special scores and questions: nothing runs past column 79 into the next
// row or over another field, and every answer stays readable.
#include "ui_env.h"

namespace {

// The text without blanks, so lines set two to a row with fewer blanks
// still match.
std::string without_blanks(const std::string &text) {
  std::string out;
  for (char c : text)
    if (c != ' ' && c != '\n') out += c;
  return out;
}

}  // namespace

using MenuLayout = UiEnv;

TEST_F(MenuLayout, EveryAnswerReadableAndNoFieldOverwritten) {
  std::snprintf(tables.monsters[0].group, GROUP_SIZE, "%s", "Fourteen_chars");
  std::snprintf(tables.monsters[0].name, NAME_SIZE, "%s",
                "Nineteen_characters");
  auto menu_with = [&](uint32_t code) {
    tables.monsters[0].special_code = code;
    screen.push_key(KEY_ESC);
    main_menu(ss);
  };
  menu_with(0);
  const std::string plain = screen.dump();
  auto rows = [](const std::string &dump, int first, int last) {
    return dump.substr(first * 81, (last - first + 1) * 81);
  };
  EXPECT_EQ(screen.row(-1, 5, 50), "Fourteen_chars, Nineteen_chara");
  EXPECT_EQ(screen.row(-1, 6).substr(0, 20), "  2: Select a lair  ");
  config.station = 7, config.mel = 33, config.cel = 44;
  config.answers = ANSWER_BITS;
  const uint32_t asked = SCORES_STATION_EXTRA | SCORES_MEL_EXTRA |
                         MAY_HAVE_OTHERS | HAS_STATION | KING | ELITE |
                         HUMANOID | MALE | EXCEPTIONAL | DRESSED | INTELLIGENT |
                         MAGIC_USER;
  uint32_t code = asked;
  do {  // every subset of the asked bits, down to none
    menu_with(code);
    const std::string now = screen.dump();
    ASSERT_EQ(rows(now, 0, 9), rows(plain, 0, 9)) << std::hex << code;
    ASSERT_EQ(rows(now, 17, 25), rows(plain, 17, 25)) << std::hex << code;
    std::string scores;
    for (int r = 10; r < 17; ++r) {  // the menu's own column stays
      ASSERT_EQ(now.substr(r * 81, 32), plain.substr(r * 81, 32)) << r;
      scores += without_blanks(now.substr(r * 81 + 32, 48));
    }
    std::string expected;
    if (code & (SCORES_STATION_EXTRA | SCORES_MEL_EXTRA))
      expected += "Station:7MEL:33CEL:44";
    for (const special_flag &f : special_flag_rows) {
      if (!(code & f.bit) || !f.menu_label) continue;
      std::string value = f.use == flag_use::station ? "7" : "Yes";
      expected += without_blanks(f.menu_label + value);
    }
    ASSERT_EQ(scores, expected) << std::hex << code;
    code = (code - 1) & asked;
  } while (code != asked);
}
