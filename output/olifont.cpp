// The bytes that the output list's font draws as its named symbols.
#include "output/olifont.h"

const OliFontSymbolTexts OliFontSymbols = {
    "\xC0", "\xC1", "\xC5", "\xBB", "\xBC", "\xB8", "\xBA", "\xBE", "\xCB", "\x89",
};
