#pragma once

// Debug trace. Callers mark the steps of each operation with a short text;
// the product discards it. A test or a command-line tool may install a sink to
// see the texts.
void trace(const char* text);

// trace() with printf-style formatting (the text is cut at 1023 bytes).
void traceFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));

using TraceSink = void (*)(const char* text);

// Installs the receiver of every traced text; null (the default) discards.
void setTraceSink(TraceSink sink);
