#include "formats/3ds/bitmap_file.h"

#include "common/trace.h"

BitmapImage loadBitmapFile(const char* path) {
    traceFormat("No bitmap loader in this build: %s", path);
    return BitmapImage();
}
