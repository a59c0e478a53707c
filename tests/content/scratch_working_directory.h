#pragma once

#include "tests/support/scratch_directory.h"

#include <filesystem>
#include <string>

// A fresh directory under the system's temporary directory that is the
// process's current directory while the object lives; afterwards the old
// current directory comes back and the directory goes with all it holds
// (read-only files included).
class ScratchWorkingDirectory {
  public:
    ScratchWorkingDirectory();
    ~ScratchWorkingDirectory();
    ScratchWorkingDirectory(const ScratchWorkingDirectory&) = delete;
    ScratchWorkingDirectory& operator=(const ScratchWorkingDirectory&) = delete;

    std::filesystem::path path() const { return directory_.path(); }

  private:
    ScratchDirectory directory_;
    std::filesystem::path previous_;
};

// The whole content of a file; empty when it cannot be read.
std::string readWholeFile(const std::filesystem::path& path);

void writeWholeFile(const std::filesystem::path& path, const std::string& data);
