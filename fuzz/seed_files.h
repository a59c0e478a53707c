#pragma once

// The common end of the seed writers: each named file into the directory
// given on the command line, one line of output per file written.

#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

using SeedFiles = std::vector<std::pair<std::string, std::vector<uint8_t>>>;

// main's exit code: 0 when every file was written, 1 when one could not be,
// 2 without exactly one argument.
inline int writeSeedFiles(int argc, char** argv, const char* tool, const SeedFiles& seeds) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIRECTORY\n", tool);
        return 2;
    }
    for (const auto& [name, bytes] : seeds) {
        std::string path = std::string(argv[1]) + "/" + name;
        std::FILE* file = std::fopen(path.c_str(), "wb");
        bool written =
            file != nullptr && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
        if (file != nullptr && std::fclose(file) != 0)
            written = false;
        if (!written) {
            std::fprintf(stderr,
                         "%s: could not write %s; check that the directory exists and is "
                         "writable\n",
                         tool, path.c_str());
            return 1;
        }
        std::printf("%s: wrote %s (%zu bytes)\n", tool, path.c_str(), bytes.size());
    }
    return 0;
}
