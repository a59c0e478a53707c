#include "tests/support/scratch_directory.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

ScratchDirectory::ScratchDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quenlow-test-XXXXXX").string();
    if (mkdtemp(&pattern[0]) == nullptr)
        throw std::runtime_error("cannot create a scratch directory from " + pattern);
    path_ = pattern;
}

ScratchDirectory::~ScratchDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string ScratchDirectory::file(const std::string& name) const {
    return path_ + "/" + name;
}
