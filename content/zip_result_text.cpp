#include "content/zip_last_result.h"

#include <cstring>

namespace {

ZipResult lastResult = ZIP_OK;

struct ResultText {
    ZipResult code;
    const char* text;
};

const ResultText resultTexts[] = {
    {ZIP_OK, "Success"},
    {ZIP_DUPLICATE_FAILED, "Culdn't duplicate handle"},
    {ZIP_OPEN_FAILED, "Couldn't create/open file"},
    {ZIP_NO_MEMORY, "Failed to allocate memory"},
    {ZIP_WRITE_FAILED, "Error writing to file"},
    {ZIP_NOT_FOUND, "File not found in the zipfile"},
    {ZIP_MORE_DATA, "Still more data to unzip"},
    {ZIP_CORRUPT, "Zipfile is corrupt or not a zipfile"},
    {ZIP_READ_FAILED, "Error reading file"},
    {ZIP_BAD_ARGUMENTS, "Caller: faulty arguments"},
    {ZIP_NOT_MEMORY_ZIP, "Caller: can only get memory of a memory zipfile"},
    {ZIP_MEMORY_TOO_SMALL, "Caller: not enough space allocated for memory zipfile"},
    {ZIP_PREVIOUS_ERROR, "Caller: there was a previous error"},
    {ZIP_ALREADY_ENDED, "Caller: additions to the zip have already been ended"},
    {ZIP_SIZE_WRONG, "Zip-bug: the anticipated size turned out wrong"},
    {ZIP_PARTLY_UNZIPPED, "Caller: the file had already been partially unzipped"},
    {ZIP_WRONG_HANDLE_KIND, "Caller: mixing creation and opening of zip"},
    {ZIP_NOT_INITIALISED, "Zip-bug: internal initialisation not completed"},
    {ZIP_NOT_SEEKABLE, "Zip-bug: trying to seek the unseekable"},
    {ZIP_CHANGED_MIND, "Zip-bug: tried to change mind, but not allowed"},
    {ZIP_FLATE_ERROR, "Zip-bug: an internal error during flation"},
};

const char* textOf(ZipResult code) {
    for (const ResultText& entry : resultTexts)
        if (entry.code == code)
            return entry.text;
    return "unknown zip result code";
}

} // namespace

ZipResult lastZipResult() {
    return lastResult;
}

ZipResult recordZipResult(ZipResult result) {
    lastResult = result;
    return result;
}

uint32_t zipResultText(ZipResult code, char* buffer, uint32_t length) {
    const char* text = textOf(code == ZIP_LAST_RESULT ? lastResult : code);
    size_t full = std::strlen(text);
    if (buffer != nullptr && length > 0) {
        size_t copied = full < length - 1 ? full : length - 1;
        std::memcpy(buffer, text, copied);
        buffer[copied] = '\0';
    }
    return static_cast<uint32_t>(full);
}
