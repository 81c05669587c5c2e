/* A library the binding tests load by name: it says which copy it is. */
#include <windows.h>

__declspec(dllexport) int WINAPI ProbeValue(void) { return PROBE_VALUE; }
