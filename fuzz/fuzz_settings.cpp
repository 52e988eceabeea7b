// Fuzz target: any bytes as setup.hxi, read with the sample tables loaded.
// Whatever the file holds, the settings come out inside the ranges the
// settings screens keep, with indexes inside the tables and an output name
// the output-name field could have typed; saving and reading them back gives
// the same settings.
#include <cstdint>
#include <cstring>

#include "fuzz_support.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
  fuzz::enter_work_dir();
  fuzz::load_sample_tables();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FILE *f = fuzz::open_bytes(data, size);
  if (!f) return 0;
  load_settings(f, tables, config);
  std::fclose(f);
  fuzz::check_settings();

  // The round trip through the file the program writes. The fsync of a save
  // is slow, so only a share of the inputs take it.
  if (size % 8 != 0) return 0;
  settings before = config;
  char name[FILE_NAME_SIZE];
  std::memcpy(name, config.output_name, sizeof name);
  fuzz::check(save_settings("setup.hxi", config) == 0,
              "the settings are saved");
  f = std::fopen("setup.hxi", "r");
  fuzz::check(f != nullptr, "the saved settings open");
  load_settings(f, tables, config);
  std::fclose(f);
  fuzz::check(std::memcmp(&before, &config, sizeof config) == 0 &&
                  std::strcmp(name, config.output_name) == 0,
              "saved settings read back unchanged");
  return 0;
}
