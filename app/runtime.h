#pragma once
// The life of the process: start-up, the message loop, the exit routines and shutdown.
#include <windows.h>

#include <string>
#include <vector>

#include "ui/form_description.h"

using ExitRoutine = void (*)();

int ProgramMain();
void InitRuntime();
void RegisterExitRoutine(ExitRoutine routine);
void LoadStartupWindow(WindowRef window);
void RunMessageLoop();
bool AnyWindowLoaded();
void FinishProgram(int exitCode);

// Empties ExitRoutineList without running it (the error report's way out).
void DiscardExitRoutines();

// Pieces of the process record other parts read.
HANDLE ProgramHeap();
const std::string& ExecutableDirectory();
const std::string& ExecutableFileName();
HWND HiddenOwnerWindow();
bool MessageLoopStarted();

// Splits a full path at its last backslash, never taking a trail byte of a
// double-byte character for one: {directory, file name}.
std::pair<std::string, std::string> SplitModulePath(const char* path);

// Start-up up to the descriptions, for programs that bring their own (the tests).
bool InitRuntimeWith(const std::vector<FormDescription>& forms, const std::vector<HandlerEntry>& handlers);
