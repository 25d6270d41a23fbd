#pragma once
// Opening the settings dialog and one keystroke in its database field, which empties and
// re-enumerates the list, with more and more services registered, against one bare enumeration.
void PrintSettingsDialogFigures();
