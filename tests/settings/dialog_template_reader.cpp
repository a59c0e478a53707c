#include "tests/settings/dialog_template_reader.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

// Little-endian reads over the resource bytes; `ok` turns false at the first
// read past the end and stays so.
struct Cursor {
    const uint8_t* data;
    size_t size;
    size_t offset = 0;
    bool ok = true;

    uint32_t read(size_t bytes) {
        if (!ok || bytes > size - offset) {
            ok = false;
            return 0;
        }
        uint32_t value = 0;
        for (size_t i = 0; i < bytes; ++i)
            value |= static_cast<uint32_t>(data[offset + i]) << (8 * i);
        offset += bytes;
        return value;
    }
    void skip(size_t bytes) {
        if (!ok || bytes > size - offset)
            ok = false;
        else
            offset += bytes;
    }
    uint16_t word() { return static_cast<uint16_t>(read(2)); }
    uint32_t dword() { return read(4); }
    int coordinate() { return static_cast<int16_t>(word()); }
    void alignToDword() { offset = std::min(size, (offset + 3) & ~size_t(3)); }

    std::string text() {
        std::string result;
        for (uint16_t c = word(); ok && c != 0; c = word())
            result += c < 0x80 ? static_cast<char>(c) : '?';
        return result;
    }
    // A zero-terminated UTF-16 text, or 0xFFFF and an ordinal.
    std::string textOrOrdinal() {
        uint16_t first = word();
        if (first == 0)
            return "";
        if (first == 0xFFFF)
            return "#" + std::to_string(word());
        offset -= 2;
        return text();
    }
};

std::string className(Cursor& cursor) {
    static const char* const predefined[] = {"BUTTON",  "EDIT",      "STATIC",
                                             "LISTBOX", "SCROLLBAR", "COMBOBOX"};
    std::string name = cursor.textOrOrdinal();
    if (name.size() > 1 && name[0] == '#') {
        int ordinal = std::stoi(name.substr(1));
        if (ordinal >= 0x80 && ordinal <= 0x85)
            return predefined[ordinal - 0x80];
    }
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return name;
}

void readHeader(Cursor& cursor, bool extended, DialogTemplate& dialog, int& count) {
    if (extended) {
        cursor.dword(); // help id
        dialog.exStyle = cursor.dword();
        dialog.style = cursor.dword();
    } else {
        dialog.style = cursor.dword();
        dialog.exStyle = cursor.dword();
    }
    count = cursor.word();
    dialog.x = cursor.coordinate();
    dialog.y = cursor.coordinate();
    dialog.width = cursor.coordinate();
    dialog.height = cursor.coordinate();
    dialog.menu = cursor.textOrOrdinal();
    dialog.className = cursor.textOrOrdinal();
    dialog.caption = cursor.text();
    if (dialog.style & (DS_SETFONT | DS_SHELLFONT)) {
        dialog.pointSize = cursor.word();
        if (extended)
            cursor.dword(); // weight, italic, character set
        dialog.typeface = cursor.text();
    }
}

DialogItem readItem(Cursor& cursor, bool extended) {
    DialogItem item;
    cursor.alignToDword();
    if (extended) {
        cursor.dword(); // help id
        item.exStyle = cursor.dword();
        item.style = cursor.dword();
    } else {
        item.style = cursor.dword();
        item.exStyle = cursor.dword();
    }
    item.x = cursor.coordinate();
    item.y = cursor.coordinate();
    item.width = cursor.coordinate();
    item.height = cursor.coordinate();
    item.id = extended ? static_cast<int>(cursor.dword()) : cursor.word();
    item.className = className(cursor);
    item.text = cursor.textOrOrdinal();
    cursor.skip(cursor.word()); // creation data
    return item;
}

} // namespace

bool readDialogTemplate(HMODULE module, int id, DialogTemplate& result, std::string& error) {
    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(id), RT_DIALOG);
    HGLOBAL loaded = resource != nullptr ? LoadResource(module, resource) : nullptr;
    if (loaded == nullptr) {
        error = "dialog resource " + std::to_string(id) + " is not in the module";
        return false;
    }
    Cursor cursor{static_cast<const uint8_t*>(LockResource(loaded)),
                  SizeofResource(module, resource)};
    const bool extended = cursor.size >= 4 && cursor.data[0] == 1 && cursor.data[1] == 0 &&
                          cursor.data[2] == 0xFF && cursor.data[3] == 0xFF;
    if (extended)
        cursor.offset = 4;
    int count = 0;
    result = DialogTemplate();
    readHeader(cursor, extended, result, count);
    for (int i = 0; i < count && cursor.ok; ++i)
        result.items.push_back(readItem(cursor, extended));
    if (!cursor.ok) {
        error = "dialog resource " + std::to_string(id) + " ends inside its template";
        return false;
    }
    return true;
}
