#include "app/setup_state.h"

SetupState setup_state;
