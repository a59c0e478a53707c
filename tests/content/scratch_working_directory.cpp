#include "tests/content/scratch_working_directory.h"

#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

ScratchWorkingDirectory::ScratchWorkingDirectory() : previous_(fs::current_path()) {
    fs::current_path(directory_.path());
}

// The old current directory comes back before the directory is removed.
ScratchWorkingDirectory::~ScratchWorkingDirectory() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
}

std::string readWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeWholeFile(const fs::path& path, const std::string& data) {
    std::ofstream out(path, std::ios::binary);
    out << data;
}
