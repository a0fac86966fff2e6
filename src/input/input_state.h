// State of the input layer shared by the controls' procedures.
#pragma once

enum : int {
    INPUT_NORMAL = 0,
    INPUT_WAIT_FOR_KEY = 1,  // F4 pressed: waiting for F6 to F9
    INPUT_RENAME = 2,        // display box: old path, text box: new name
    INPUT_REGISTER_F6 = 6,   // 6 to 9: the text box holds the path for F6 to F9
    INPUT_REGISTER_F9 = 9,
};

struct InputState {
    int input_state = INPUT_NORMAL;
    int number_input = 0;  // 1 while the number input mode is on
};

extern InputState g_input;

inline bool registering_application(int state)
{
    return state >= INPUT_REGISTER_F6 && state <= INPUT_REGISTER_F9;
}
