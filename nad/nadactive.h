#pragma once
// The active annex's parameter blocks as the material and design functions see
// them. The blocks of one annex are published here together; a null EC5
// pointer selects the DIN 1052 rules, a null EC9 pointer the EC9 defaults.
#include "nad/nadec3.h"
#include "nad/nadec5.h"
#include "nad/nadec69.h"

struct NadRecord;

// Publishes the blocks of the annex r: stamps r's German-annex flag into the
// EC5, EC3 and EC9 blocks (as loading does) and sets ActiveNadEc5, ActiveNadEc3
// and ActiveNadEc9 to them. null publishes none (the DIN 1052 rules). r is not copied and
// must outlive its publication. Programs, tools and tests publish only
// through this function.
void Nad_Publish_Blocks(NadRecord* r);
// The annex whose blocks are published, null for none.
NadRecord* Nad_Published_Record();

// Publishes the blocks of the active annex ("Deutschland" is activated first
// when none is active). The blocks stay where they are across activations, so
// they need not be published again after the annex changes.
void Nad_Publish_Active_Blocks();
