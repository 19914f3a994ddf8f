#pragma once
// Numbers in every file are written and read with a decimal point. The process
// keeps LC_NUMERIC at "C" at all times; Kov_Numeric_C_Locale() puts it back after
// anything (QApplication's constructor, a test) has changed it.
void Kov_Numeric_C_Locale();

// Sets the whole C locale to the first available German one (for tests that
// prove the files do not depend on it) and returns its name, NULL when none
// is installed. LC_NUMERIC is set back to "C" only by Kov_Numeric_C_Locale.
const char* Kov_Try_German_Locale();
