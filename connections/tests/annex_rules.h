#pragma once
// Switches the rule set of the connection design for one test: an EC5 annex
// block with its defaults and the given annex number, or none (DIN 1052).
#include "nad/nadec5.h"

class AnnexRules {
public:
    explicit AnnexRules(int na_de = 1)
    {
        Nad_Default_Ec5(&record);
        record.na_de = na_de;
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
