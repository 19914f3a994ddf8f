// Which annex pages a program prints: the parameters it uses, asked through a
// hook of the application, decide the pages.
#include <cstdio>
#include <initializer_list>

#include "nad/nadoli.h"

namespace {

NadParameterUsedFn UsedHook = nullptr;

int count_used(std::initializer_list<int> parameters)
{
    int n = 0;
    for (int p : parameters) n += Nad_Parameter_Used(p);
    return n;
}

} // namespace

void Nad_Set_Parameter_Used_Hook(NadParameterUsedFn hook) { UsedHook = hook; }

int Nad_Parameter_Used(int parameter)
{
    // This application asks for every annex parameter.
    return UsedHook ? UsedHook(parameter) : 1;
}

int Nad_Count_Used_Ec2() { return count_used({41, 42, 43, 44, 47, 48, 49, 81, 82, 91, 92, 93, 94, 97, 98, 99}); }

int Nad_Count_Used_Ec3() { return count_used({211, 212, 213, 214}); }

int Nad_Count_Used_Ec5() { return count_used({221, 222, 224, 225}); }

int Nad_Count_Used_Ec6()
{
    return 0; // no program asks for an EC6 parameter
}

int Nad_Count_Used_Ec9() { return count_used({261, 262}); }

int Nad_Count_Used_Misc() { return count_used({988, 989, 998, 999}); }

void Nad_Oli_Ec0_Page(FILE* f)
{
    if (Nad_Count_Used_Ec2() || Nad_Count_Used_Ec3() || Nad_Count_Used_Ec5() || Nad_Count_Used_Ec6() ||
        Nad_Count_Used_Ec9())
        Nad_Oli_Ec0(f);
}

void Nad_Oli_Used_Parts(FILE* f)
{
    if (Nad_Count_Used_Ec2()) Nad_Oli_Ec2(f);
    if (Nad_Count_Used_Ec3()) Nad_Oli_Ec3(f);
    if (Nad_Count_Used_Ec5()) Nad_Oli_Ec5(f);
    if (Nad_Count_Used_Ec6()) Nad_Oli_Ec6(f);
    if (Nad_Count_Used_Ec9()) Nad_Oli_Ec9(f);
}
