// The screen held in memory, fed from a script of keys.
#include "mem_screen.h"

#include <cstdlib>

void memory_screen::push_keys(const std::string &keys) {
  for (unsigned char c : keys) keys_.push_back(c);
}

int memory_screen::read_key() {
  ++refreshes_;
  if (keys_.empty()) {
    if (++past_end_ > 100000) std::abort();  // a dialogue that never ends
    return KEY_ESC;
  }
  int k = keys_.front();
  keys_.pop_front();
  return k;
}

std::string memory_screen::dump() const {
  std::string out;
  for (int r = 0; r < SCREEN_ROWS; ++r) {
    out += line(r);
    out += '\n';
  }
  return out;
}
