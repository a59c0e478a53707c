#pragma once

// Input state kept by the saver window's message handling and read by the
// frame tick.
extern bool showFps;              // the S key toggles the frame-rate text
extern bool monitorOff;           // the system reported the monitor powered down
extern bool passwordDialogActive; // the password dialog is open
