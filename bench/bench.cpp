// Measures clicker.exe against the raw baseline in one Wine session and prints
// a table: click rate and intervals, CPU per click and while stopped, start-up,
// working set, key presses per second, and the size of both programs.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/harness.h"
#include "tests/support/input_observer.h"

namespace {

constexpr DWORD kClickSeconds = 10;

struct Figures {
  double startupMs = 0, clicksPerSecond = 0, medianMs = 0, p99Ms = 0, cpuPer1000Ms = 0, idleCpuMs = 0;
  double peakWorkingSetKb = 0;
};

double CpuMs(HANDLE process) {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(process, &created, &exited, &kernel, &user);
  auto ticks = [](FILETIME f) { return (static_cast<ULONGLONG>(f.dwHighDateTime) << 32) | f.dwLowDateTime; };
  return static_cast<double>(ticks(kernel) + ticks(user)) / 10000.0;
}

double PeakWorkingSetKb(HANDLE process) {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  K32GetProcessMemoryInfo(process, &counters, sizeof counters);
  return static_cast<double>(counters.PeakWorkingSetSize) / 1024.0;
}

double Now() {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// Starts a program and waits for its first visible top-level window.
HWND Launch(ChildProcess& process, const std::string& commandLine, double& startupMs) {
  double start = Now();
  if (!process.Start(commandLine)) return nullptr;
  HWND window = nullptr;
  PumpUntil(
      [&] {
        for (HWND hwnd : TopLevelWindows(process.info.dwProcessId)) {
          if (IsWindowVisible(hwnd)) window = hwnd;
        }
        return window != nullptr;
      },
      300000);
  startupMs = Now() - start;
  return window;
}

void MeasureClicks(InputObserver& observer, HANDLE process, Figures& f) {
  observer.AimAtTarget();
  PumpFor(1000);
  observer.Reset();
  double cpuBefore = CpuMs(process);
  double start = Now();
  PumpFor(kClickSeconds * 1000);
  double seconds = (Now() - start) / 1000.0;
  double cpu = CpuMs(process) - cpuBefore;
  int clicks = observer.downs;
  f.clicksPerSecond = clicks / seconds;
  f.cpuPer1000Ms = clicks ? cpu * 1000.0 / clicks : 0;
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  std::vector<double> gaps;
  for (std::size_t i = 1; i < observer.downTimes.size(); ++i) {
    gaps.push_back(static_cast<double>(observer.downTimes[i] - observer.downTimes[i - 1]) * 1000.0 /
                   static_cast<double>(frequency.QuadPart));
  }
  std::sort(gaps.begin(), gaps.end());
  if (!gaps.empty()) {
    f.medianMs = gaps[gaps.size() / 2];
    f.p99Ms = gaps[std::min(gaps.size() - 1, gaps.size() * 99 / 100)];
  }
}

double IdleCpuMs(HANDLE process) {
  PumpFor(500);
  double before = CpuMs(process);
  PumpFor(5000);
  return CpuMs(process) - before;
}

Figures MeasureBaseline(InputObserver& observer, const std::string& baseline) {
  Figures f;
  ChildProcess idle;
  Launch(idle, "\"" + baseline + "\" --idle", f.startupMs);
  f.idleCpuMs = IdleCpuMs(idle.info.hProcess);
  idle.Kill();
  // Some launches of the baseline in this Wine session deliver no click at all
  // (not understood); such a run is repeated and counted.
  for (int attempt = 1; attempt <= 3; ++attempt) {
    ChildProcess clicking;
    double ignored;
    Launch(clicking, "\"" + baseline + "\"", ignored);
    MeasureClicks(observer, clicking.info.hProcess, f);
    f.peakWorkingSetKb = PeakWorkingSetKb(clicking.info.hProcess);
    clicking.Kill();
    if (f.clicksPerSecond > 0) break;
    std::printf("baseline run %d: no click arrived, run again\n", attempt);
  }
  return f;
}

// Key presses per second of KeyWindow at each interval.
std::vector<double> MeasureKeys(InputObserver& observer, HWND mouse, DWORD processId) {
  std::vector<double> rates;
  ClickWindow(GetDlgItem(mouse, 130));
  HWND keys = FindProcessWindow(processId, "ClickerForm", "", 20000);
  if (!keys) return rates;
  PumpFor(500);
  ClickWindow(GetDlgItem(keys, 210));
  PumpFor(300);
  TapKey(VK_F13);  // a key nothing acts on
  PumpFor(300);
  for (const char* interval : {"50", "10", "1"}) {
    SetWindowTextA(GetDlgItem(keys, 130), interval);
    ClickWindow(GetDlgItem(keys, 150));
    PumpFor(1000);
    observer.Reset();
    double start = Now();
    PumpFor(5000);
    rates.push_back(observer.KeyPresses(VK_F13) / ((Now() - start) / 1000.0));
  }
  ClickWindow(GetDlgItem(keys, 160));
  return rates;
}

Figures MeasureClicker(InputObserver& observer, const std::string& clicker, std::vector<double>& keyRates) {
  Figures f;
  ChildProcess process;
  HWND mouse = Launch(process, "\"" + clicker + "\"", f.startupMs);
  if (!mouse) return f;
  f.idleCpuMs = IdleCpuMs(process.info.hProcess);
  TapKey(VK_F2);
  MeasureClicks(observer, process.info.hProcess, f);
  TapKey(VK_F2);
  PumpFor(500);
  keyRates = MeasureKeys(observer, mouse, process.info.dwProcessId);
  f.peakWorkingSetKb = PeakWorkingSetKb(process.info.hProcess);
  process.Kill();
  return f;
}

double FileKb(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return static_cast<double>(data.nFileSizeLow) / 1024.0;
}

void Row(const char* what, double clicker, double baseline, const char* unit) {
  std::printf("| %-38s | %10.2f | %10.2f | %6.3f | %s\n", what, clicker, baseline, baseline ? clicker / baseline : 0.0,
              unit);
}

}  // namespace

int main(int argc, char** argv) {
  std::string dir = ProgramDirectory();
  std::string clicker = dir + "\\clicker.exe", baseline = dir + "\\bench_baseline.exe";
  std::string win32 = dir + "\\..\\win32\\clicker.exe", win64 = dir + "\\..\\win64\\clicker.exe";
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg.rfind("--clicker=", 0) == 0) clicker = arg.substr(10);
  }
  InputObserver observer;
  std::vector<double> keys;
  Figures mine = MeasureClicker(observer, clicker, keys);
  Figures base = MeasureBaseline(observer, baseline);

  std::printf("subject: %s\n\n", clicker.c_str());
  std::printf("| %-38s | %10s | %10s | %6s | unit\n", "figure", "clicker", "baseline", "ratio");
  std::printf("|%s|%s|%s|%s|-----\n", std::string(40, '-').c_str(), std::string(12, '-').c_str(),
              std::string(12, '-').c_str(), std::string(8, '-').c_str());
  Row("clicks per second (10 ms, 10 s)", mine.clicksPerSecond, base.clicksPerSecond, "1/s");
  Row("inter-click interval, median", mine.medianMs, base.medianMs, "ms");
  Row("inter-click interval, 99th percentile", mine.p99Ms, base.p99Ms, "ms");
  Row("CPU per 1,000 clicks", mine.cpuPer1000Ms, base.cpuPer1000Ms, "ms");
  Row("CPU while stopped, 5 s", mine.idleCpuMs, base.idleCpuMs, "ms");
  Row("start-up to visible window", mine.startupMs, base.startupMs, "ms");
  Row("peak working set", mine.peakWorkingSetKb, base.peakWorkingSetKb, "KiB");
  const char* intervals[] = {"50", "10", "1"};
  for (std::size_t i = 0; i < keys.size(); ++i) {
    std::string what = std::string("key presses per second at ") + intervals[i] + " ms";
    std::printf("| %-38s | %10.2f | %10s | %6s | 1/s\n", what.c_str(), keys[i], "", "");
  }
  std::printf("| %-38s | %10.1f | %10s | %6s | KiB\n", "size of win32 clicker.exe", FileKb(win32), "", "");
  std::printf("| %-38s | %10.1f | %10s | %6s | KiB\n", "size of win64 clicker.exe", FileKb(win64), "", "");
  return 0;
}
