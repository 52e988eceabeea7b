// The treasure output file in one place: the rule each report begins with,
// the locked append of a report, the reading of a file into its reports and
// the removal of one. A file is read a block at a time around the place
// asked for, so a file of any size opens at once and is never held in
// memory whole.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

// A report begins with a rule: a line of this many '-', then an empty line.
// Reports are written with "\n" line ends; a file whose lines end in "\r\n"
// is split the same way.
constexpr int REPORT_RULE_WIDTH = 75;

// The rule and the empty line after it, as a written report begins.
const std::string &report_rule();

// Opens the output file at path for appending without waiting for a reader;
// -1 when it cannot be, or when it is neither a regular file nor a device
// (a FIFO, a folder).
int open_output_path(const char *path);

// Appends a finished report to the output file in one write under an
// exclusive lock; on a failed write the file is cut back to its earlier
// length, so no part of the report stays. fd was opened on path (by
// open_output_path), maybe long before: when path names another file once
// the lock is held, because a removal replaced the file meanwhile, path is
// opened again and the report goes there, never into the file that was
// replaced. Closes fd. Returns true when the whole report is in the file.
bool append_report(int fd, const char *path, const std::string &report);

// An output file opened for reading, as it was when opened: what is
// appended later is not seen.
class output_file {
 public:
  // not_regular: a FIFO, a device or a folder, refused without waiting.
  enum class file_state { missing, unreadable, not_regular, empty, ready };

  explicit output_file(const std::string &path);
  ~output_file();
  output_file(const output_file &) = delete;
  output_file &operator=(const output_file &) = delete;

  file_state state() const { return state_; }
  long long size() const { return size_; }

  // The reports in the file; the text before the first rule is one.
  long long report_count() const { return report_count_; }
  // The number of the report starting at begin, counted from the oldest
  // (1) to the newest (report_count()).
  long long report_number(long long begin) const;
  // The bytes from begin to end (a report's, say).
  std::string bytes(long long begin, long long end) const;

  // The last report start before offset; 0 when there is none (text before
  // the first rule counts as a report of its own).
  long long report_start_before(long long offset) const;
  // The first report start after offset, or size().
  long long report_start_after(long long offset) const;
  // Whether the bytes from begin to end are one report beyond doubt: they
  // begin with a rule and hold no other line of REPORT_RULE_WIDTH '-' that
  // ends its line (a rule cut short, or one with line ends of two kinds).
  bool whole_report(long long begin, long long end) const;
  // The start of the line holding the byte at offset.
  long long line_start(long long offset) const;
  // The start of the line after the one beginning at offset, or size().
  long long next_line(long long offset) const;

  // The first place at or after from where text lies wholly before limit,
  // or -1. With fold, ASCII letters match in either case (text is then
  // given in lower case).
  long long find_forward(const std::string &text, long long from,
                         long long limit, bool fold = false) const;
  // The last place at or after floor where text lies wholly before limit,
  // or -1.
  long long find_backward(const std::string &text, long long floor,
                          long long limit, bool fold = false) const;

  // Whether the file open as `now` (its status st) is still the file read:
  // the same file, no shorter, and its first size() bytes those read then.
  bool unchanged(int now, const struct stat &st) const;

 private:
  enum class rule_kind { rule, not_rule, unsure };
  // What the REPORT_RULE_WIDTH '-' ending at offset are, by what follows.
  rule_kind rule_after(long long offset) const;
  // Reads the bytes from begin to end (cut to the size) into block_,
  // ASCII letters in lower case with fold.
  const std::string &read(long long begin, long long end,
                          bool fold = false) const;
  // Report starts after the first in [lo, hi), counted a large block at a
  // time.
  long long starts_between(long long lo, long long hi) const;

  int fd_ = -1;
  long long size_ = 0;
  file_state state_ = file_state::missing;
  long long report_count_ = 0;
  // Report starts before each mebibyte of the file, counted once at the
  // open: report_number reads no more than a mebibyte from one of them.
  std::vector<long long> starts_before_;
  // What proves at a removal that the file is still the one read.
  dev_t device_ = 0;
  ino_t inode_ = 0;
  std::uint64_t digest_ = 0;
  mutable std::string block_;
};

enum class removal {
  done,
  changed,    // not the file that was read, or not as it was: nothing done
  uncertain,  // not one report beyond doubt (see whole_report): nothing done
  failed,     // the file is as it was; error says why
};

// Takes the report starting at begin out of the output file at path, when
// the file is still the one `opened` read: under the lock appends take,
// the file is checked and the rest of it written to a new file of the same
// folder, synced, and renamed over path before the lock is let go. A report
// appended meanwhile goes to the new file (see append_report). Refused like
// an append where the file is not writable, and where the new file could
// not keep the file's owner and mode; a link (of either kind) is refused,
// as the rename would part it from its other name.
removal remove_report(const char *path, const output_file &opened,
                      long long begin, std::string &error);
