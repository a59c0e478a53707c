#include "tests/support/scratch_directory.h"

#include <chrono>
#include <filesystem>
#include <random>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

// A name no other test process is using: time, a random number and a count.
fs::path freshDirectory() {
    static int serial = 0;
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        fs::path path =
            fs::temp_directory_path() / ("quenlow-test-" + std::to_string(stamp) + "-" +
                                         std::to_string(random()) + "-" + std::to_string(++serial));
        if (fs::create_directory(path))
            return path;
    }
    throw std::runtime_error("cannot create a scratch directory in " +
                             fs::temp_directory_path().string());
}

} // namespace

ScratchDirectory::ScratchDirectory() : path_(freshDirectory().string()) {}

// Read-only files are made writable first, so that they go too.
ScratchDirectory::~ScratchDirectory() {
    std::error_code ignored;
    for (auto it = fs::recursive_directory_iterator(path_, ignored);
         it != fs::recursive_directory_iterator(); it.increment(ignored))
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}

std::string ScratchDirectory::file(const std::string& name) const {
    return path_ + "/" + name;
}
