// The two wizards the program runs: install (language page first) and uninstall.
#pragma once

// Each returns when its frame dialog has closed.
int run_install_wizard();
int run_uninstall_wizard();
