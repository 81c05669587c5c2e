#pragma once
#include <cstdint>
#include <string>

// The run-time error codes the program raises, and their fixed messages.
constexpr std::int32_t kErrorIndexTooLarge = 1;
constexpr std::int32_t kErrorIndexBelowOne = 4;
constexpr std::int32_t kErrorStackUnbalanced = 6;
const char* ErrorCodeMessage(std::int32_t code);

// The text of the error box: heading, an optional code line, an optional message line.
std::string BuildErrorText(const char* message, std::int32_t code);
