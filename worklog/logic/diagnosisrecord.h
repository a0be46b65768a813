// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagnosis/logic/session.h"
#include "worklog/logic/entry.h"

// A diagnosis crosses into the log here, and back, typed: the answers and the repair
// kinds are written and read by the diagnosis logic's own functions.
namespace dipo::worklog {

// A concluded diagnosis as a draft entry: the system, every answer in order, the result
// box's text and, for a defined fault, its repair links with their captions. The
// locomotive, technician and time are the record dialog's.
Entry fromSession(const diagnosis::Session &session);

// The walk a diagnosis entry records, as the session stood when it was saved: what the
// report is written from. An answer or a link kind the log does not know is read as
// "TIDAK" and left out respectively; checkEntry() refuses such an entry before it is kept.
diagnosis::Session toSession(const Entry &entry);

} // namespace dipo::worklog
