// The screens that only show: the help and the viewer of earlier reports,
// both opened from the main menu.
#pragma once

#include <string>

// The help pages; any key turns a page, and after the last one returns.
void show_help();

// The reports of the output file at path, newest first, read-only.
void view_reports(const std::string &path);
