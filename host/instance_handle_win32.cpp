#include "host/instance_handle_win32.h"

HINSTANCE instanceHandle = nullptr;
