#pragma once
// What the main window hands to VelmoraDienste.exe, the helper that sends a start or a stop with
// the administrator rights the window itself lacks.
#include "CString.h"
#include <vector>

constexpr const char* kHelperProgram = "VelmoraDienste.exe";
constexpr const char* kHelperStart = "start";
constexpr const char* kHelperStop = "stop";

// The helper reads each name back from between double quotes: a name holding one, or ending in a
// backslash, which would escape the closing quote, cannot reach it unchanged.
bool PassableToHelper(const CString& name);

// The verb for the request (REQUEST_START or REQUEST_STOP), then each name in double quotes.
CString HelperParameters(int request, const std::vector<CString>& names);
