// UnInst.inf, the record of everything an installation created, written with
// the system's private-profile functions. The log is open while
// setup_state.uninstall_log_path is not empty.
#pragma once

#include "install/log_records.h"

// Opens the log in install_dir for the product section and registers the
// product: its Ver, and its name in UnInst/Prg when it is not listed yet.
void uninstall_log_open(const char* install_dir, const char* section, int version);

// Appends one record under the first free number of its section and counts it
// in Items or UserItems. Nothing is recorded while the log is closed, for an
// unknown type, or for an empty text.
void uninstall_log_record(int type, const char* text);

// Closes the log: nothing more is recorded until the next open.
void uninstall_log_close();
