#pragma once

#include <string>
#include <vector>

// Collects every traced text while it lives.
class TraceCapture {
  public:
    TraceCapture();
    ~TraceCapture();
    const std::vector<std::string>& texts() const;
    std::string last() const;
};
