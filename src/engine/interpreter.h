// The treasure script interpreter.
#pragma once

#include <cstdio>

#include "model.h"
#include "report_sink.h"
#include "trtables.h"

// Reads a treasure script from `script` to its end or to the end of its last
// section, evaluates every treasure item through its category routine with
// the dice record `dice` (rolled afresh for each item) and sends the report
// to `sink`. The area and monster labels come from `tables`. A script cut
// short or malformed still gives the report of what could be read. Returns
// true when every section was closed.
bool interpret_script(FILE *script, const info_tables &tables,
                      dice_record &dice, report_sink &sink);
