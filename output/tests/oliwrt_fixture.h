#pragma once
// Helpers of the output-list writer tests: capture what the writers put into a
// stream, byte for byte.
#include <cstdio>
#include <functional>
#include <string>

struct OliColumn;

// Runs body on a fresh temporary stream and returns every byte written to it.
std::string Oli_Capture(const std::function<void(FILE*)>& body);
// The bytes of a file ("" when it cannot be read); kovtest::read_file.
std::string Oli_Read_Bytes(const std::string& path);
// Writes bytes into a file (directories must exist); kovtest::write_file.
bool Oli_Write_Bytes(const std::string& path, const std::string& bytes);
// Every writer state back to its start.
void Oli_Reset_Writers();
// The bytes shown readably for a failure message (\xNN for 8-bit and control bytes).
std::string Oli_Visible(const std::string& bytes);
// One column of a table for OliTabelle: title, kind, width, decimals and its data.
void Oli_Set_Column(OliColumn& c, const char* title, const char* kind, int width, int decimals, void* data);
