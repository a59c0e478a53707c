#pragma once

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

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};

// The whole content of a file; empty when it cannot be read.
std::string readWholeFile(const std::filesystem::path& path);

void writeWholeFile(const std::filesystem::path& path, const std::string& data);
