// In-memory string lists of property sheets, kept per handle.
#include "platform/kovstrlist.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

using Entry = std::pair<int, std::string>;

std::map<unsigned, std::vector<Entry>>& Lists()
{
    static std::map<unsigned, std::vector<Entry>> lists;
    return lists;
}

const Entry* Find(unsigned list, int i)
{
    auto it = Lists().find(list);
    if (it == Lists().end() || i < 0 || i >= (int)it->second.size()) return nullptr;
    return &it->second[(size_t)i];
}

} // namespace

extern "C" void Fill_Stringlist_of_PS(unsigned list, int colour, const char* text)
{
    Lists()[list].emplace_back(colour, text ? std::string(text) : std::string());
}

extern "C" int Kov_Stringlist_Count(unsigned list)
{
    auto it = Lists().find(list);
    return it == Lists().end() ? 0 : (int)it->second.size();
}

extern "C" const char* Kov_Stringlist_Text(unsigned list, int i)
{
    const Entry* e = Find(list, i);
    return e ? e->second.c_str() : nullptr;
}

extern "C" int Kov_Stringlist_Colour(unsigned list, int i)
{
    const Entry* e = Find(list, i);
    return e ? e->first : -1;
}

extern "C" void Kov_Stringlist_Clear(unsigned list) { Lists().erase(list); }

extern "C" void Kov_Stringlist_Clear_All(void) { Lists().clear(); }
