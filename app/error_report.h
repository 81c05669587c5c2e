#pragma once
#include <cstdint>

// The one failure path: shows the error box, then ends the process with -1
// without running the exit routines.
[[noreturn]] void ReportRuntimeError(const char* message, std::int32_t code);
[[noreturn]] void ReportErrorCode(std::int32_t code);
