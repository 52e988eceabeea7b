// The report viewer's reading of an output file.
#include "engine_env.h"
#include "mem_screen.h"
#include "report_file.h"

namespace {

// A report as the writers make it, with the lines "<name> 1" to "<name> n".
std::string report(const std::string &name, int lines) {
  std::string text = REPORT_RULE + "Monster    : " + name + "\n";
  for (int i = 1; i <= lines; ++i)
    text += name + " " + std::to_string(i) + "\n";
  return text + "-----\n\n";
}

std::vector<std::string> page_texts(const output_file &f,
                                    const report_cursor &c, int rows) {
  std::vector<std::string> texts;
  for (long long line : c.page(rows)) texts.push_back(shown_line(f, line, 80));
  return texts;
}

using Reports = EngineEnv;  // in a folder of its own

}  // namespace

TEST_F(Reports, LargeFileWalksAndSearchesAcrossBlockSeams) {
  // About 200 KB, three blocks and more: text before the first report, then
  // reports of 1 to 97 lines, "Gold piece" in two of them.
  std::string text = "notes\n";
  for (int i = 0; i < 300; ++i) {
    text += report("Report" + std::to_string(i), 1 + i * 7 % 97);
    if (i == 40 || i == 250) text += "a Gold piece\nGold piece again\n";
  }
  spit("r.hxo", text);
  output_file file("r.hxo");
  // Every line start in the order shown: the last report first.
  std::vector<long long> reports{0}, expected;
  for (auto at = text.find("\n" + REPORT_RULE); at != std::string::npos;
       at = text.find("\n" + REPORT_RULE, at + 1))
    reports.push_back(at + 1);
  reports.push_back(text.size());
  for (std::size_t r = reports.size() - 1; r-- > 0;)
    for (long long line = reports[r]; line < reports[r + 1];
         line = text.find('\n', line) + 1)
      expected.push_back(line);

  report_cursor c(file);
  auto walk = [&](bool (report_cursor::*step)()) {  // the tops until it stops
    std::vector<long long> tops{c.top()};
    while (tops.size() <= expected.size() && (c.*step)())
      tops.push_back(c.top());
    return tops;
  };
  EXPECT_EQ(walk(&report_cursor::down), expected);
  const auto up = walk(&report_cursor::up);
  EXPECT_EQ(std::vector<long long>(up.rbegin(), up.rend()), expected);
  // n from the newest report down to the text before the first, p back up;
  // p inside a report goes to its first line.
  reports.pop_back();
  EXPECT_EQ(walk(&report_cursor::older_report),
            std::vector<long long>(reports.rbegin(), reports.rend()));
  EXPECT_EQ(c.report_place(), file.report_count());
  EXPECT_EQ(file.report_count(), static_cast<long long>(reports.size()));
  // End: the last page of the oldest report; Home: the newest report.
  c.end(4);
  EXPECT_EQ(page_texts(file, c, 5),
            std::vector<std::string>({"Report0 1", "-----", "", "notes"}));
  c.home();
  EXPECT_EQ(c.report_place(), 1);
  EXPECT_EQ(c.top(), reports.back());
  c.end(1);
  EXPECT_EQ(walk(&report_cursor::newer_report), reports);
  c.down(), c.newer_report();
  EXPECT_EQ(c.top(), reports.back());

  // The search takes the newer report first, goes match by match, takes
  // letters in either case and goes on from the other end of the view.
  bool wrapped = false;
  long long at = c.top();
  for (int i = 0; i < 5; ++i) {
    at = c.find("gold piece", at, true, wrapped);
    ASSERT_GE(at, 0);
    EXPECT_EQ(shown_line(file, file.line_start(at), 80),
              i % 2 ? "Gold piece again" : "a Gold piece");
    EXPECT_EQ(wrapped, i == 4) << i;
    c.show_line_of(at++, 3);
  }
  EXPECT_EQ(page_texts(file, c, 4)[3], "a Gold piece");  // 3 lines below
  EXPECT_EQ(
      c.find("gold piece", at - 1, false, wrapped),
      static_cast<long long>(text.rfind("Gold piece again", reports[42])));
  EXPECT_TRUE(wrapped);
  EXPECT_EQ(c.find("platinum", at, true, wrapped), -1);
  EXPECT_EQ(c.find("platinum", at, false, wrapped), -1);
}
