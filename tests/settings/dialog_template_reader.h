#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// A dialog template as compiled into a module, in either of its two layouts
// (DLGTEMPLATE or DLGTEMPLATEEX). Names and texts given as resource ordinals
// read "#number"; the predefined control classes read BUTTON, EDIT, STATIC,
// LISTBOX, SCROLLBAR and COMBOBOX; every class name is in capitals.
struct DialogItem {
    uint32_t style = 0, exStyle = 0;
    int x = 0, y = 0, width = 0, height = 0;
    int id = 0;
    std::string className, text;
};

struct DialogTemplate {
    uint32_t style = 0, exStyle = 0;
    int x = 0, y = 0, width = 0, height = 0;
    std::string menu, className, caption;
    int pointSize = 0;
    std::string typeface;
    std::vector<DialogItem> items;
};

// False (with the reason in `error`) when the resource is missing or its
// bytes end before the template does.
bool readDialogTemplate(HMODULE module, int id, DialogTemplate& result, std::string& error);
