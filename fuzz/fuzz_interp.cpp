// Fuzz target: any bytes as the treasure script temp.hxs, run through the
// interpreter on the in-memory screen with the sample tables loaded. Every
// run appends exactly one report, framed by its opening hyphen line and its
// closing line, and ends at the final "Hit any key to continue.".
#include <cstdint>
#include <fstream>
#include <string>

#include "fuzz_support.h"

namespace {

const std::string OPENING =
    std::string(75, '-') + "\n\n";  // the first line of every report
const std::string CLOSING = "\n-----\n\n";

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
  fuzz::enter_work_dir();
  fuzz::load_sample_tables();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  write_file("temp.hxs", data, size);
  // Each run starts from an empty output, so the file never grows.
  write_file("default.hxo", nullptr, 0);
  seed_dice(1);

  MemScreen screen;
  set_screen(&screen);
  show_generation(ss);
  set_screen(nullptr);

  std::string report = read_file("default.hxo");
  fuzz::check(report.size() >= OPENING.size() + CLOSING.size(),
              "a report is appended");
  fuzz::check(report.compare(0, OPENING.size(), OPENING) == 0,
              "the report opens with the hyphen line");
  fuzz::check(report.compare(report.size() - CLOSING.size(), CLOSING.size(),
                             CLOSING) == 0,
              "the report ends with its closing line");
  fuzz::check(
      screen.line(25).find("Hit any key to continue.") != std::string::npos,
      "the run ends at the last prompt");
  return 0;
}
