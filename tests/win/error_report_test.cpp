// The error report, in child copies of this program: the box is found, read
// and dismissed, then the exit code and the exit routines are checked.
#include <gtest/gtest.h>

#include <string>

#include "app/bound_functions.h"
#include "app/error_report.h"
#include "app/error_text.h"
#include "app/runtime.h"
#include "tests/support/harness.h"
#include "tests/win/child_scenarios.h"
#include "tests/win/test_forms.h"
#include "ui/window_layer.h"

namespace {

std::string MarkerPath() { return ProgramDirectory() + "\\exit_routine_ran.txt"; }

void WriteMarker() {
  HANDLE file = CreateFileA(MarkerPath().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  CloseHandle(file);
}

struct ChildCase {
  const char* name;
  std::string expectedText;
};

class ErrorReportTest : public testing::TestWithParam<ChildCase> {};

TEST_P(ErrorReportTest, ShowsTheBoxAndEndsWithMinusOneWithoutExitRoutines) {
  DeleteFileA(MarkerPath().c_str());
  ChildProcess child;
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  ASSERT_TRUE(child.Start("\"" + std::string(self) + "\" --child=" + GetParam().name));
  HWND box = FindErrorBox(child.info.dwProcessId, 120000);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), GetParam().expectedText);
  auto style = static_cast<DWORD>(GetWindowLongPtrA(box, GWL_STYLE));
  EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr) << "no owner window";
  (void)style;
  DismissBox(box);
  EXPECT_EQ(child.WaitForExit(20000), 0xFFFFFFFFu);
  EXPECT_EQ(GetFileAttributesA(MarkerPath().c_str()), INVALID_FILE_ATTRIBUTES) << "an exit routine ran";
}

std::vector<ChildCase> Cases() {
  std::vector<ChildCase> cases = {
      {"message", BuildErrorText("载入启动窗口失败", 0)},
      {"empty", "运行时出错!\r\n\r\n"},
      {"missing-export", BuildErrorText("无法找到指定DLL库文件“user32.dll”中的输出命令“NoSuchFunction”", 0)},
      {"missing-any", BuildErrorText("无法找到指定DLL库文件中的输出命令“NoSuchFunction”", 0)},
      {"handle-after-destroy", BuildErrorText("指定窗口或窗口组件不存在或尚未载入", 0)},
      {"unknown-window", BuildErrorText("未载入欲访问窗口组件所在的窗口", 0)},
      {"class-property-unloaded", BuildErrorText("指定窗口尚未载入", 0)},
      {"quit-pending", BuildErrorText("载入启动窗口失败", 0)},  // the box stays although a quit was queued
  };
#ifndef _WIN64
  cases.push_back({"unbalanced", BuildErrorText("调用DLL命令后发现堆栈错误", 6)});
#endif
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Children, ErrorReportTest, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<ChildCase>& param) {
                           std::string name = param.param.name;
                           for (char& c : name) c = c == '-' ? '_' : c;
                           return name;
                         });

}  // namespace

// The child's side: each scenario ends in the error report.
int RunChildScenario(const std::string& name) {
  InitRuntimeWith({TestForm()}, TestHandlers());
  RegisterExitRoutine(WriteMarker);
  if (name == "message") ReportRuntimeError("载入启动窗口失败", 0);
  if (name == "empty") ReportRuntimeError("", 0);
  if (name == "quit-pending") {
    PostQuitMessage(0);
    ReportRuntimeError("载入启动窗口失败", 0);
  }
  if (name == "missing-export" || name == "missing-any") {
    BoundFunctionTable table = {{name == "missing-export" ? "user32.dll" : "", "NoSuchFunction"}};
    ResolveBoundFunction(table, 0);
  }
  if (name == "handle-after-destroy") {
    LoadWindow(kTestWindow);
    DestroyFormWindow(kTestWindow);
    GetWindowHandle(kTestWindow);  // still valid: the destruction waits for the loop
    PumpWaitingMessages();
    GetWindowHandle(kTestWindow);
  }
  if (name == "unknown-window") SetProperty({0x12345678u, 0}, kVisibleProperty, true);
  if (name == "class-property-unloaded") GetProperty(kTestLabel, kClassProperty);
#ifndef _WIN64
  if (name == "unbalanced") {
    BoundFunctionTable table = {{"user32.dll", "RegisterHotKey"}};
    using WrongDeclaration = BoundRow<0, BOOL(WINAPI*)(HWND, int, UINT)>;  // one argument short
    CallBoundFunctionIn<WrongDeclaration>(table, nullptr, 1, 0u);
  }
#endif
  return 3;  // no report came: the parent sees a wrong exit code
}
