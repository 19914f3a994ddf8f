#pragma once
// The active annex's parameter blocks as the material and design functions see
// them. The application publishes the blocks of the active annex here; a null
// EC5 pointer selects the DIN 1052 rules, a null EC9 pointer the EC9 defaults.
#include "nad/nadec3.h"
#include "nad/nadec5.h"
#include "nad/nadec69.h"

// Sets ActiveNadEc5, ActiveNadEc3 and ActiveNadEc9 together to the blocks of
// the active annex ("Deutschland" is activated first when none is active).
// The blocks stay where they are across activations, so the pointers need
// not be set again after the annex changes.
void Nad_Publish_Active_Blocks();
