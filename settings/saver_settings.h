#pragma once

#include <cstdint>

// The saver's settings. Every numeric field has a DWORD value of the same name
// under HKEY_CURRENT_USER\Software\QuenlowSaver; modelPath is never stored and
// is set to the default model in TEMP on every registry read.
struct SaverSettings {
    char modelPath[260];
    int32_t xoff; // angle offsets in degrees
    int32_t yoff;
    int32_t zoff;
    int32_t vel;   // drift speed
    int32_t xrot;  // rotation limits: 0 none, 360 spin, otherwise swing
    int32_t xrots; // rotation speeds
    int32_t yrot;
    int32_t yrots;
    int32_t zrot;
    int32_t zrots;
    int32_t scale;    // percent of the model's own size
    int32_t blur;     // motion-blur trail on when non-zero
    int32_t lighting; // one white light when non-zero

    void setDefaults();

    // Registry persistence (Windows build only).
    void readRegistry();
    bool writeRegistry() const;
};

// The one settings record of the process.
extern SaverSettings theSettings;
