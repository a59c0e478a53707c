#include "tests/content/scratch_working_directory.h"

#include <chrono>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

ScratchWorkingDirectory::ScratchWorkingDirectory() : previous_(fs::current_path()) {
    static int serial = 0;
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = fs::temp_directory_path() /
            ("quenlow-zip-" + std::to_string(stamp) + "-" + std::to_string(++serial));
    fs::create_directories(path_);
    fs::current_path(path_);
}

ScratchWorkingDirectory::~ScratchWorkingDirectory() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    for (auto it = fs::recursive_directory_iterator(path_, ignored);
         it != fs::recursive_directory_iterator(); it.increment(ignored))
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
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
