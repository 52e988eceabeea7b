// The screen held in memory, fed from a script of keys.
#include "mem_screen.h"

#include <cstdlib>

void memory_screen::push_keys(const std::string &keys) {
  for (unsigned char c : keys) keys_.push_back(c);
}

int memory_screen::read_key() {
  if (keys_.empty()) {
    if (++past_end_ > 100000) std::abort();  // a dialogue that never ends
    return KEY_ESC;
  }
  int k = keys_.front();
  keys_.pop_front();
  if (k != KEY_PAD_RESIZE) return k;
  if (!sizes_.empty()) {  // a resize key alone leaves the window as it is
    window_ = sizes_.front();
    sizes_.pop_front();
  }
  return following_window() && fit_window() ? k : read_key();
}

std::string memory_screen::dump() const {
  std::string out;
  for (int r = 0; r < rows(); ++r) {
    out += line(r);
    out += '\n';
  }
  return out;
}
