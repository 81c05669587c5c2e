#include <gtest/gtest.h>

#include <string>

#include "app/runtime.h"

#include "tests/win/child_scenarios.h"

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg.rfind("--child=", 0) == 0) return RunChildScenario(arg.substr(8));
  }
  testing::InitGoogleTest(&argc, argv);
  InitRuntimeWith({}, {});
  return RUN_ALL_TESTS();
}
