#pragma once
// Publishes an annex for one test (or one scope of it) through the annex
// library's one publisher, and the annex published before again at its end.
// Header-only: included by the suites that link the annex library.
#include "nad/nadactive.h"
#include "nad/nadfile.h"
#include "nad/nadlist.h"

class ScopedAnnex {
public:
    enum { kNone = -1 };

    // Every block at its recommended values with the German-annex flag na_de
    // (0 the EC recommended rules; 1 the German annex's, with the German
    // values of the EC3 and EC9 blocks), published; kNone publishes no annex:
    // the DIN 1052 rules.
    explicit ScopedAnnex(int na_de) : saved_(Nad_Published_Record())
    {
        Nad_Default_Blocks(&annex);
        annex.na_de = na_de == kNone ? 0 : na_de;
        if (na_de == 1) {
            Nad_Default_Ec3_De(&annex.ec3);
            Nad_Default_Ec9_De(&annex.ec9);
        }
        Nad_Publish_Blocks(na_de == kNone ? nullptr : &annex);
    }
    ~ScopedAnnex() { Nad_Publish_Blocks(saved_); }
    ScopedAnnex(const ScopedAnnex&) = delete;
    ScopedAnnex& operator=(const ScopedAnnex&) = delete;

    NadRecord annex{};
    // The EC5 block, the one most tests change.
    NadEc5Record& record = annex.ec5;

private:
    NadRecord* saved_;
};
