#pragma once
// Switches the rule set of the material functions for one test: an EC5 annex
// record with its defaults (fields set by the test), or none (DIN 1052 rules).
#include "nad/nadec5.h"

class AnnexRules {
public:
    AnnexRules()
    {
        Nad_Default_Ec5(&record);
        saved_ = ActiveNadEc5;
        ActiveNadEc5 = &record;
    }
    ~AnnexRules() { ActiveNadEc5 = saved_; }
    AnnexRules(const AnnexRules&) = delete;
    AnnexRules& operator=(const AnnexRules&) = delete;

    NadEc5Record record;

private:
    NadEc5Record* saved_;
};

class DinRules {
public:
    DinRules() : saved_(ActiveNadEc5) { ActiveNadEc5 = nullptr; }
    ~DinRules() { ActiveNadEc5 = saved_; }
    DinRules(const DinRules&) = delete;
    DinRules& operator=(const DinRules&) = delete;

private:
    NadEc5Record* saved_;
};
