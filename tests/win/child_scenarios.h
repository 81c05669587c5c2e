#pragma once
#include <string>

// Runs one error-report scenario in this process (started as --child=NAME).
int RunChildScenario(const std::string& name);
