// Which annex rules the current program shows on the output pages.
#include "nad/nadoli.h"

#include "nad/nadprog.h"

int Ec5RelevanceFlags[NAD_EC5_GROUPS];
int Ec3RelevanceFlags[NAD_EC3_GROUPS];

namespace {

void set_all(int* flags, int n, int value)
{
    for (int i = 0; i < n; ++i) flags[i] = value;
}

void from_masks(int* flags, int n, unsigned group)
{
    for (int i = 0; i < n; ++i) flags[i] = Nad_Rule_Visible(group, i) ? 1 : 0;
}

} // namespace

void Nad_Ec5_Relevance()
{
    int* g = Ec5RelevanceFlags;
    set_all(g, NAD_EC5_GROUPS, 1);
    Nad_Scan_Programs();
    if (Nad_Rule_Masks_Used()) {
        from_masks(g, NAD_EC5_GROUPS, 5);
        return;
    }
    const int app = Nad_Current_Application();
    if (app == 0) return;
    if (app == 220 || app == 242) {
        g[7] = 0;
        g[8] = app == 242 ? 1 : 0;
    } else if (app >= 73 && app <= 76) {
        set_all(g, NAD_EC5_GROUPS, 0);
        g[7] = 1;
    }
}

void Nad_Ec3_Relevance()
{
    int* g = Ec3RelevanceFlags;
    set_all(g, NAD_EC3_GROUPS, 0);
    Nad_Scan_Programs();
    if (Nad_Rule_Masks_Used()) {
        from_masks(g, NAD_EC3_GROUPS, 3);
        return;
    }
    const int app = Nad_Current_Application();
    switch (app) {
        case 150: g[0] = g[1] = g[2] = g[3] = 1; break;
        case 151: g[0] = g[1] = g[4] = g[5] = 1; break;
        case 152:
        case 153: g[0] = g[1] = g[2] = 1; break;
        case 154: g[0] = g[1] = g[2] = g[6] = 1; break;
        case 34:
        case 242: g[0] = g[4] = 1; break;
        default: break;
    }
    if (app == 0) set_all(g, NAD_EC3_GROUPS, 1);
}

NadEc6Rows Nad_Ec6_Rows()
{
    Nad_Scan_Programs();
    NadEc6Rows r;
    if (Nad_Rule_Masks_Used()) {
        r.main = Nad_Rule_Visible(6, 0);
        r.accidental = Nad_Rule_Visible(6, 1);
    } else {
        const int app = Nad_Current_Application();
        r.main = 1;
        r.accidental = app == 100 || app == 94;
    }
    return r;
}

NadEc9Rows Nad_Ec9_Rows()
{
    Nad_Scan_Programs();
    NadEc9Rows r = {1, 1, 1};
    if (Nad_Rule_Masks_Used()) {
        r.ultimate = Nad_Rule_Visible(9, 0);
        r.gamma_m2 = r.ultimate && Nad_Rule_Visible(9, 1);
        r.joints = Nad_Rule_Visible(9, 0) && Nad_Rule_Visible(9, 2);
    }
    return r;
}

int Ec2RelevanceFlags[NAD_EC2_FLAGS];

namespace {

// The EC2 rules of the programs that carry no masks; any other number gets
// kEc2Base.
struct Ec2Rules {
    int apps[2];   // 0: unused
    int flags[25]; // -1 ended
};
const Ec2Rules kEc2Rules[] = {
    {{32, 0}, {0, 1, 2, 3, 4, 6, 7, 10, 14, 16, 17, 18, 19, 20, 21, 22, 23, 24, 27, 29, 30, -1}},
    {{33, 84}, {0, 1, 2, 3, 4, 10, 11, 12, 14, 17, 18, 24, 25, 27, 28, 30, -1}},
    {{50, 54}, {0, 1, 2, 3, 4, 5, 10, 11, 12, 13, 14, 15, 16, 17, 18, 21, 24, 25, 26, 27, 28, 29, 30, 31, -1}},
    {{56, 0}, {0, 1, 2, 3, 4, 10, 14, 18, 24, 26, 30, -1}},
    {{58, 0}, {0, 2, 3, 4, 6, 10, 14, 18, 21, 24, 30, -1}},
    {{94, 0}, {0, 1, 2, 3, 4, 8, 18, 25, 26, 30, -1}},
    {{103, 0}, {0, 1, 2, 3, 4, 10, 14, 17, 18, 21, 24, 25, 26, 30, -1}},
    {{104, 0}, {0, 1, 2, 3, 4, 10, 11, 12, 14, 17, 18, 21, 24, 30, -1}},
    {{105, 0}, {0, 1, 2, 3, 4, 10, 11, 12, 14, 17, 18, 21, 24, 25, 26, 30, -1}},
    {{114, 0}, {0, 1, 2, 3, 10, 11, 17, 18, 21, 24, 31, -1}},
    {{115, 0}, {0, 1, 2, 3, 10, 11, 17, 18, 21, 24, 25, 26, 31, -1}},
    {{121, 0}, {0, 1, 2, 3, 4, 10, 14, 17, 18, 21, 24, 30, -1}},
    {{220, 0}, {0, 1, 2, 3, 4, 9, 10, 14, 17, 18, 21, 24, 25, 30, -1}},
    {{242, 0}, {0, 1, 2, 3, 4, 10, 11, 12, 14, 17, 18, 21, 24, 25, 30, -1}},
};
const int kEc2Base[] = {0, 2, 30, -1};

} // namespace

void Nad_Ec2_Relevance()
{
    int* g = Ec2RelevanceFlags;
    set_all(g, NAD_EC2_FLAGS, 0);
    Nad_Scan_Programs();
    if (Nad_Rule_Masks_Used()) {
        from_masks(g, NAD_EC2_FLAGS, 2);
        // A program is either for buildings or for bridges.
        if (!g[30] && !g[31]) g[30] = 1;
        return;
    }
    const int app = Nad_Current_Application();
    const int* set = kEc2Base;
    for (const Ec2Rules& rules : kEc2Rules)
        if (app == rules.apps[0] || (rules.apps[1] != 0 && app == rules.apps[1])) set = rules.flags;
    for (const int* i = set; *i >= 0; ++i) g[*i] = 1;
    if (NadShowAllRules) set_all(g, NAD_EC2_FLAGS, 1);
}
