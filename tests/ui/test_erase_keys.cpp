// Ctrl-H, DEL and the Backspace key each erase the last character in every
// kind of field: yes/no, number (leading zeros of the jeweler's EL too),
// text and output name.
#include "ui_env.h"

using EraseKeys = UiEnv;

TEST_F(EraseKeys, EachEraseKeyErasesInEveryKindOfField) {
  char text[TEXT_SIZE] = "";
  // '\b' in the keys stands for the erase key under test.
  const struct {
    std::function<int()> field;
    std::string keys, prompt_line;
    int result;
  } cases[] = {
      {[] { return in_yn(); }, "y\bn\r", "n", 0},
      {[] { return in_int(1, 99); }, "42\b7\r", "47", 47},
      {[] { return ask_jeweler_el(0); }, "000\b\b\b\b5\r",
       "Enter the EL of the jeweler or 0 if unknown (0-80) : 5", 5},
      {[&] { return enter_txt(text); }, "ab\bc\r", "ac", 0},
      {[&] { return ask_output_name(config); }, "ab\b\bxy\bz\r",
       "Enter the output filename (no extension) : xz", 0},
  };
  for (int erase : {KEY_BS, KEY_DEL, KEY_PAD_BS}) {
    for (const auto &c : cases) {
      screen.clear();
      screen.move(25, 1);
      for (char k : c.keys) screen.push_key(k == '\b' ? erase : k);
      EXPECT_EQ(c.field(), c.result) << c.keys << " erase " << erase;
      EXPECT_EQ(screen.row(-1, 25, 1), c.prompt_line)
          << c.keys << " erase " << erase;
      EXPECT_EQ(screen.keys_left() + screen.reads_past_end(), 0u);
    }
    EXPECT_STREQ(text, "ac");
    EXPECT_STREQ(config.output_name, "xz");
  }
}
