// Yield moments, effective bolt diameters and tensile capacities of screws.
#include "connections/yieldmoment.h"

#include <cmath>

#include "materials/matkind.h"
#include "nad/nadec5.h"

namespace {

// One row of a diameter table: from this bound on, this value.
struct Band {
    double from;
    double value;
};

// The first band (largest bound first) that d reaches gives the value.
template <size_t N> double Lookup(const Band (&table)[N], double d, double below)
{
    for (const Band& b : table)
        if (d >= b.from) return b.value;
    return below;
}

double Pow26(double d) { return d > 0.0 ? std::pow(d, 2.6) : 0.0; }

} // namespace

double Bolt_Effective_Diameter(double d)
{
    static const Band kStressArea[] = {{30, 27.9}, {24, 22.2}, {20, 18.5}, {16, 14.8},
                                       {12, 10.9}, {10, 9.08}, {8, 7.23},  {6, 5.39}};
    if (d >= 33 || d < 6) return 0.85 * d;
    return Lookup(kStressArea, d, 0.85 * d);
}

double Yield_Moment_Round(double d, double f_u) { return 0.3 * f_u * Pow26(d); }

double Yield_Moment_Half(double d, double f_u) { return 0.15 * f_u * Pow26(d); }

double Yield_Moment_Connector_Fastener(double d, int variant)
{
    if (variant == 2) return 4270.0;
    return d < 4.1 ? 3500.0 : 5000.0;
}

double Yield_Moment_Screw_Ec5(double d) { return ActiveNadEc5 ? 60.0 * Pow26(d) : 0.0; }

double Yield_Moment_Screw_Table(double d)
{
    static const Band kDin[] = {{12, 48000}, {10, 30000}, {8, 20000},  {7, 11800}, {6, 7900}, {5, 4900},
                                {4.5, 3700}, {4, 2800},   {3.5, 1900}, {3, 1300},  {2.5, 800}};
    if (ActiveNadEc5) return 90.0 * Pow26(d);
    return Lookup(kDin, d, 0.0);
}

double Yield_Moment_Product_Table_1(double d)
{
    static const Band kTable[] = {{13.9, 86000}, {11.9, 58000}, {9.9, 36000}, {7.9, 23000}, {5.9, 10000},
                                  {4.9, 5900},   {4.4, 3700},   {3.9, 3300},  {3.4, 1700},  {2.9, 1600}};
    return Lookup(kTable, d, 0.0);
}

double Yield_Moment_Product_Table_2(double d)
{
    static const Band kTable[] = {{9.9, 20000}, {7.9, 11000}, {6.4, 6800}, {5.9, 5500}, {5.4, 4400},
                                  {4.9, 2800},  {4.4, 2300},  {3.9, 1900}, {3.4, 1400}, {2.9, 900}};
    return Lookup(kTable, d, 0.0);
}

double Tensile_Capacity_Eta_Table_1(double d)
{
    static const Band kTable[] = {{11.99, 28000}, {9.99, 20000}, {7.99, 13000}, {6.99, 10000},
                                  {5.99, 7100},   {5.59, 6200},  {4.99, 4900},  {4.49, 4200},
                                  {3.99, 3800},   {3.49, 2900},  {2.99, 2100}};
    return Lookup(kTable, d, 0.0);
}

double Tensile_Capacity_Eta_Table_2(double d)
{
    static const Band kAnnex[] = {{11.99, 38000}, {9.99, 28000}, {7.99, 17000}, {6.99, 13000},
                                  {5.99, 11000},  {5.59, 9900},  {4.99, 7900},  {4.49, 6400},
                                  {3.99, 5000},   {3.49, 3800},  {2.99, 2800},  {2.49, 2000}};
    // The DIN 1052 column has no band at 5.59 mm.
    static const Band kDin[] = {{11.99, 38000}, {9.99, 28000}, {7.99, 17000}, {6.99, 7500}, {5.99, 5500}, {4.99, 3800},
                                {4.49, 3100},   {3.99, 2400},  {3.49, 1900},  {2.99, 1400}, {2.49, 1000}};
    return ActiveNadEc5 ? Lookup(kAnnex, d, 0.0) : Lookup(kDin, d, 0.0);
}

double Tensile_Capacity_Eta_Table_3(double d, int variant)
{
    static const Band kCarbon[] = {{13.9, 62000}, {11.9, 41000}, {9.9, 26000}, {7.9, 21500}, {6.9, 15000},
                                   {5.9, 12500},  {4.9, 7900},   {4.4, 5300},  {3.9, 5000},  {3.4, 3000}};
    static const Band kOther[] = {{13.9, 62000}, {11.9, 45000}, {9.9, 33000}, {7.9, 22000}, {6.9, 15000},
                                  {5.9, 12500},  {4.9, 7900},   {4.4, 5300},  {3.9, 5000},  {3.4, 3000}};
    return variant ? Lookup(kOther, d, 2800.0) : Lookup(kCarbon, d, 2800.0);
}

double Tensile_Capacity_Eta_Table_4(double d)
{
    static const Band kTable[] = {{9.9, 19000}, {7.9, 12000}, {6.4, 8300}, {5.9, 7100}, {5.4, 5900},
                                  {4.9, 4200},  {4.4, 3600},  {3.9, 3100}, {3.4, 2400}};
    return Lookup(kTable, d, 1800.0);
}

namespace {

// d_ef^2.6 of the stress-area diameters, held per band.
double Threaded_Bolt_Power(double d)
{
    static const Band kPower[] = {{30, 5735.495303944922},  {24, 3166.049740284723}, {20, 1970.817880655469},
                                  {16, 1103.2665729832754}, {12, 498.0912294985539}, {10, 309.75848115940926},
                                  {8, 171.30087169887074},  {6, 79.8235042686103}};
    if (d >= 33 || d < 6) return Pow26(0.85 * d);
    return Lookup(kPower, d, 0.0);
}

} // namespace

double Fastener_Yield_Moment(int type, double d, double f_u, int variant, int thread_flag)
{
    if (type >= FT_SCREW_1A && type <= FT_SCREW_3C) return 60.0 * Pow26(d);
    if (type == FT_SPAX_CSK_PARTIAL || type == FT_SPAX_WASHER_PARTIAL || type == FT_SPAX_CSK_FULL ||
        type == FT_SPAX_USER) {
        if (variant) return ActiveNadEc5 ? 60.0 * Pow26(d) : 0.0;
        return Yield_Moment_Screw_Table(d);
    }
    if (type == FT_ASSY_VG_CYLINDER || type == FT_ASSY_VG_COUNTERSUNK || type == FT_ASSY_USER)
        return variant ? Yield_Moment_Product_Table_2(d) : Yield_Moment_Product_Table_1(d);
    if (type == FT_BOLT && thread_flag) return 0.3 * f_u * Threaded_Bolt_Power(d);
    if (type == FT_SIMPSON_CSA) return d < 4.1 ? 3500.0 : 5000.0;
    if (type >= FT_RING_A1 && type <= FT_PLATE_C10) return 0.0;
    return 0.3 * f_u * Pow26(d);
}
