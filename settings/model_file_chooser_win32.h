#pragma once

// Lets the user pick a model file with the system's open-file dialog (no
// owner, starting in the current directory, showing *.blen, *.ms3d and *.3ds
// files; a name that does not exist may be typed too). True and the full
// path in fileName (260 bytes) when a file was chosen; false, with fileName
// untouched, when the user cancelled or the dialog failed.
bool OpenFileDialog(char* fileName);
