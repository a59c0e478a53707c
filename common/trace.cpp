#include "common/trace.h"

#include <cstdarg>
#include <cstdio>

namespace {
TraceSink traceSink = nullptr;
}

void trace(const char* text) {
    if (traceSink != nullptr)
        traceSink(text);
}

void traceFormat(const char* format, ...) {
    if (traceSink == nullptr)
        return;
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    traceSink(text);
}

void setTraceSink(TraceSink sink) {
    traceSink = sink;
}
