#include "settings/model_file_chooser_win32.h"

#include "common/trace.h"

#include <windows.h>

#include <commdlg.h>

#include <cstring>

namespace {

constexpr DWORD pathBytes = 260;

// One filter pair and the empty text that ends the list. The pattern list
// shows ".blen" (not ".blend") files, and ends with a semicolon.
const char filter[] = "3D Models   (*.blend, *.ms3d, *.3ds)\0*.blen;*.ms3d;*.3ds;\0";

} // namespace

bool OpenFileDialog(char* fileName) {
    trace("OpenFileDialog: entry");
    char chosen[pathBytes] = "";
    char currentDirectory[pathBytes] = "";
    GetCurrentDirectoryA(pathBytes, currentDirectory);

    OPENFILENAMEA description;
    std::memset(&description, 0, sizeof description);
    description.lStructSize = sizeof description;
    description.lpstrFilter = filter;
    description.lpstrFile = chosen;
    description.nMaxFile = pathBytes;
    description.lpstrInitialDir = currentDirectory;
    description.lpstrTitle = "Open a file";
    description.Flags = OFN_EXPLORER;

    if (!GetOpenFileNameA(&description)) {
        trace("OpenFileDialog: FAILED to get a file.");
        return false;
    }
    trace("OpenFileDialog: Got a file.");
    chosen[pathBytes - 1] = '\0';
    std::strcpy(fileName, chosen);
    return true;
}
