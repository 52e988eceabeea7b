// Replacing a file as a whole: readers see the old file or the new one,
// never a part, and a failure leaves the old one as it was.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// Writes all `size` bytes at `data` to fd, going on after an interrupted or
// short write; false with errno set when a write fails (ENOSPC when the
// system takes nothing).
bool write_all(int fd, const char *data, std::size_t size);

// Writes `content` to a new temporary file in the folder of `path`, checking
// every write, syncs it and renames it over `path`. Returns true when done;
// otherwise the temporary file is removed, `path` is untouched and `error`
// holds the reason (the system's words for the failed call).
bool replace_file(const std::string &path, std::string_view content,
                  std::string &error);

// The same with the new content streamed: `write` fills the temporary file
// through its descriptor and returns false, errno set, on a failure; the new
// file takes `mode`. The folder is synced after the rename.
bool replace_file_streamed(const std::string &path, mode_t mode,
                           const std::function<bool(int fd)> &write,
                           std::string &error);
