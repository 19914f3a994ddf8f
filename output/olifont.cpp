#include "output/olifont.h"

const OliFontSymbolTexts OliFontSymbols = {
    "\xC0", "\xC1", "\xC5", "\xBB", "\xBC", "\xB8", "\xBA", "\xBE", "\xCB", "\x89",
};
