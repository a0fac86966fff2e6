#include "input/input_state.h"

InputState g_input;
