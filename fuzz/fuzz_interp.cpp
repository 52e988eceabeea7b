// Fuzz target: any bytes as the script temp.hxs, interpreted on the in-memory
// screen: one framed report is appended and the run ends at the last prompt.
// The same bytes as an output file: its reports are found the same going
// down and up, and its newest report is removed exactly or refused.
#include <cstdint>
#include <vector>

#include "fuzz_support.h"

namespace {

const std::string OPENING = std::string(75, '-') + "\n\n",
                  CLOSING = "\n-----\n\n";

}  // namespace

FUZZ_START(true)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  fuzz::write_file(SCRIPT_PATH, data, size);
  fuzz::write_file("default.hxo", nullptr,
                   0);  // each run starts from no report
  seed_dice(1);

  memory_screen screen;
  set_screen(&screen);
  if (FILE *script = std::fopen(SCRIPT_PATH, "r")) {
    show_generation(game, script);
    std::fclose(script);
  }
  set_screen(nullptr);

  std::string report = fuzz::read_file("default.hxo");
  fuzz::check(report.size() >= OPENING.size() + CLOSING.size() &&
                  report.starts_with(OPENING) && report.ends_with(CLOSING),
              "one report appended, framed by its opening and closing lines");
  fuzz::check(
      screen.line(25).find("Hit any key to continue.") != std::string::npos,
      "the run ends at the last prompt");

  fuzz::write_file("other.hxo", data, size);
  const std::string text(reinterpret_cast<const char *>(data), size);
  removal result = removal::changed;
  long long begin = 0, end = static_cast<long long>(size);
  {
    output_file file("other.hxo");
    std::vector<long long> down{0}, up;
    for (long long at = 0; (at = file.report_start_after(at)) < end;)
      down.push_back(at);
    for (long long at = end; at > 0;)
      up.insert(up.begin(), at = file.report_start_before(at));
    fuzz::check(size == 0 || (static_cast<long long>(down.size()) ==
                                  file.report_count() &&
                              down == up),
                "the same reports found going down and up");
    begin = size ? down.back() : 0;
    std::string error;
    result = remove_report("other.hxo", file, begin, error);
    fuzz::check(size == 0 || result == (file.whole_report(begin, end)
                                            ? removal::done
                                            : removal::uncertain),
                "a whole report is removed, any other refused");
  }
  fuzz::check(fuzz::read_file("other.hxo") ==
                  (result == removal::done ? text.substr(0, begin) : text),
              "the rest of the file stays byte for byte");
  return 0;
}
