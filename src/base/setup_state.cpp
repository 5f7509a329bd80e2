#include "base/setup_state.h"

SetupState setup_state;
