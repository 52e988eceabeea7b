// Fuzz target: any bytes as setup.hxi. The settings come out inside the
// ranges the screens keep, and a save read back gives the same settings.
#include <cstdint>

#include "fuzz_support.h"

FUZZ_START(true)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FILE *f = fuzz::open_bytes(data, size);
  if (!f) return 0;
  load_settings(f, tables, config);
  std::fclose(f);
  fuzz::check_settings();

  // A save is slow (fsync): only a share of the inputs take the round trip.
  if (size % 8 != 0) return 0;
  settings before = config;
  fuzz::check(save_settings("setup.hxi", config) == 0,
              "the settings are saved");
  f = std::fopen("setup.hxi", "r");
  fuzz::check(f != nullptr, "the saved settings open");
  load_settings(f, tables, config);
  std::fclose(f);
  fuzz::check(std::memcmp(&before, &config, sizeof config) == 0,
              "saved settings read back unchanged");
  return 0;
}
