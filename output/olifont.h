#pragma once
// The symbols of the output list's font: each is a one-byte text whose byte the
// list font draws as the named glyph (the bytes are not code page 850 letters).
struct OliFontSymbolTexts {
    const char* gamma;      // 0xC0
    const char* eta;        // 0xC1
    const char* lambda_bar; // 0xC5
    const char* beta;       // 0xBB
    const char* chi;        // 0xBC
    const char* psi;        // 0xB8
    const char* alpha;      // 0xBA
    const char* epsilon;    // 0xBE
    const char* rho;        // 0xCB
    const char* per_mille;  // 0x89
};

extern const OliFontSymbolTexts OliFontSymbols;
