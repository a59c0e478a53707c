#include "host/entry_point_win32.h"
#include "host/instance_handle_win32.h"
#include "settings/saver_settings.h"

// The settings are read before the command line is looked at, so every mode
// starts with the stored values.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    instanceHandle = instance;
    theSettings.setDefaults();
    theSettings.readRegistry();
    return runCommandLine(commandLine);
}
