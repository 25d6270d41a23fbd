#pragma once
#include <windows.h>

// Runs the init data stored for a dialog template (resource type 240): messages for its
// controls, such as the rows of a list. False when the template has none.
bool ExecuteDialogInit(HWND dialog, UINT templateId);
