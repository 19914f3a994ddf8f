#pragma once
// The rule set in force for the timber values: the active annex's EC5 block,
// or null for the DIN 1052 rules.
#include "nad/nadec5.h"

inline const NadEc5Record* Mat_Annex() { return ActiveNadEc5; }
