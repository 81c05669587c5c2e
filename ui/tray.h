#pragma once
// A window's icon in the notification area.
#include <windows.h>
#include <shellapi.h>

#include "ui/form_description.h"

// Adds, replaces or (with no usable icon) removes the window's tray icon.
void SetTrayIcon(WindowRef window, ByteArray icon, const char* tip = nullptr);
void SetTrayIcon(WindowRef window, const char* iconFile = nullptr, const char* tip = nullptr);

// Whether the window shows a tray icon now.
bool HasTrayIcon(WindowRef window);

constexpr UINT kTrayIconId = 100;

// What the shell is told; tests may route it elsewhere to read the records.
using NotifyIconFunction = BOOL(WINAPI*)(DWORD, PNOTIFYICONDATAA);
extern NotifyIconFunction NotifyIcon;
