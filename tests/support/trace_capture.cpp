#include "tests/support/trace_capture.h"

#include "common/trace.h"

namespace {
std::vector<std::string> captured;
void capture(const char* text) {
    captured.emplace_back(text);
}
} // namespace

TraceCapture::TraceCapture() {
    captured.clear();
    setTraceSink(capture);
}

TraceCapture::~TraceCapture() {
    setTraceSink(nullptr);
}

const std::vector<std::string>& TraceCapture::texts() const {
    return captured;
}

std::string TraceCapture::last() const {
    return captured.empty() ? std::string() : captured.back();
}
