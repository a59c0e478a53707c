#include "host/input_state.h"

bool showFps = false;
bool monitorOff = false;
bool passwordDialogActive = false;
