// Fuzz target: any bytes as the script temp.hxs, interpreted on the in-memory
// screen: one framed report is appended and the run ends at the last prompt.
#include <cstdint>
#include <fstream>

#include "fuzz_support.h"

namespace {

const std::string OPENING = std::string(75, '-') + "\n\n",
                  CLOSING = "\n-----\n\n";

void write_file(const char *path, const uint8_t *data, size_t size) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char *>(data), size);
}

std::string read_file(const char *path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
  return fuzz::start(true);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  write_file("temp.hxs", data, size);
  write_file("default.hxo", nullptr, 0);  // each run starts from no report
  seed_dice(1);

  memory_screen screen;
  set_screen(&screen);
  show_generation(game);
  set_screen(nullptr);

  std::string report = read_file("default.hxo");
  fuzz::check(report.size() >= OPENING.size() + CLOSING.size() &&
                  report.starts_with(OPENING) && report.ends_with(CLOSING),
              "one report appended, framed by its opening and closing lines");
  fuzz::check(
      screen.line(25).find("Hit any key to continue.") != std::string::npos,
      "the run ends at the last prompt");
  return 0;
}
