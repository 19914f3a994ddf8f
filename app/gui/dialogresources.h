#pragma once
// The pictures of the annex, options and exit dialogs (flags, the annex
// editor's button, the button-box icons) are compiled into the app library;
// they must be registered before a dialog loads one.
void Nelu52_Init_Dialog_Resources();
