// Binding of declared functions: when and where libraries are loaded, and
// (32-bit) the argument-balance check.
#include <gtest/gtest.h>

#include <string>

#include "app/bound_functions.h"
#include "tests/support/harness.h"

namespace {

using ProbeRow = BoundRow<0, int(WINAPI*)()>;

std::string ProbePath(const char* folder) { return ProgramDirectory() + "\\" + folder + "\\bound_probe.dll"; }

TEST(BoundFunctionsTest, NothingIsLoadedBeforeTheFirstCall) {
  BoundFunctionTable table = {{"bound_probe.dll", "ProbeValue"}};
  EXPECT_EQ(GetModuleHandleA("bound_probe.dll"), nullptr);
  EXPECT_EQ(table[0].address, nullptr);
  EXPECT_EQ(CallBoundFunctionIn<ProbeRow>(table), 1);
  EXPECT_NE(table[0].module, nullptr);
  EXPECT_EQ(CallBoundFunctionIn<ProbeRow>(table), 1) << "the second call uses the kept address";
  ReleaseBoundFunctions(table);
  EXPECT_EQ(table[0].address, nullptr);
  EXPECT_EQ(GetModuleHandleA("bound_probe.dll"), nullptr) << "one FreeLibrary per resolved row";
}

TEST(BoundFunctionsTest, TheExecutablesDirectoryComesFirst) {
  // Another library of the same name already loaded: a bare name would find it.
  HMODULE other = LoadLibraryA(ProbePath("alt").c_str());
  ASSERT_NE(other, nullptr);
  BoundFunctionTable table = {{"bound_probe.dll", "ProbeValue"}};
  EXPECT_EQ(CallBoundFunctionIn<ProbeRow>(table), 1);
  EXPECT_NE(table[0].module, other);
  ReleaseBoundFunctions(table);
  FreeLibrary(other);
}

TEST(BoundFunctionsTest, ANameWithAColonIsLoadedByThatPathOnly) {
  std::string path = ProbePath("alt");
  BoundFunctionTable table = {{path.c_str(), "ProbeValue"}};
  EXPECT_EQ(CallBoundFunctionIn<ProbeRow>(table), 2);
  ReleaseBoundFunctions(table);
}

TEST(BoundFunctionsTest, AnEmptyLibraryNameSearchesTheSystemList) {
  BoundFunctionTable table = {{"", "SetWindowLongA"}, {"", "ShellExecuteA"}, {"", "GetTickCount"}};
  ResolveBoundFunction(table, 0);
  ResolveBoundFunction(table, 1);
  ResolveBoundFunction(table, 2);
  EXPECT_EQ(table[0].module, GetModuleHandleA("user32.dll"));
  EXPECT_EQ(table[1].module, GetModuleHandleA("shell32.dll"));
  EXPECT_EQ(table[2].module, GetModuleHandleA("kernel32.dll"));
  ReleaseBoundFunctions(table);
}

TEST(BoundFunctionsTest, TheProgramsRowsAreDeclaredAsWritten) {
  BoundFunctionTable& rows = BoundFunctions();
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_STREQ(rows[0].library, "user32.dll");
  EXPECT_STREQ(rows[0].exported, "RegisterHotKey");
  EXPECT_STREQ(rows[1].library, "");
  EXPECT_STREQ(rows[2].exported, "CallWindowProcA");
  EXPECT_STREQ(rows[3].library, "user32");
  EXPECT_STREQ(rows[3].exported, "mouse_event");
}

#ifndef _WIN64
// The balance check itself, on real functions with right and wrong declarations.
TEST(StackCheckTest, AWrongArgumentCountIsUnbalanced) {
  void* registerHotKey = reinterpret_cast<void*>(&::RegisterHotKey);
  const std::uint32_t args[4] = {0, 1, 0, 0};
  int unbalanced = -1;
  StackCheckedCall(registerHotKey, args, 4, &unbalanced);
  EXPECT_EQ(unbalanced, 0) << "four arguments, as declared by the system";
  StackCheckedCall(registerHotKey, args, 3, &unbalanced);
  EXPECT_EQ(unbalanced, 1) << "three pushed, four popped";
}

int __cdecl CdeclAdd(int a, int b) { return a + b; }

TEST(StackCheckTest, TheWrongCallingConventionIsUnbalanced) {
  const std::uint32_t args[2] = {2, 3};
  int unbalanced = -1;
  std::uint32_t sum = StackCheckedCall(reinterpret_cast<void*>(&CdeclAdd), args, 2, &unbalanced);
  EXPECT_EQ(sum, 5u);
  EXPECT_EQ(unbalanced, 1) << "a cdecl function leaves its arguments behind";
}

TEST(StackCheckTest, TheProgramsDeclarationsAreBalanced) {
  EXPECT_EQ(CallBoundFunction<CallWindowProcRow>(&DefWindowProcA, nullptr, WM_NULL, 0, 0), 0);
  EXPECT_NE(CallBoundFunction<SetWindowLongRow>(nullptr, GWL_STYLE, 0), 1);
}
#endif

}  // namespace
