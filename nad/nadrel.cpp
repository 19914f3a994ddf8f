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

}  // namespace

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
