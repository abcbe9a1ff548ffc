// Text helpers: scripts and the transcript are UTF-8, the window system is
// UTF-16.
#pragma once
#include <string>
#include <vector>

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& wide);

// printf into a std::string.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// One transcript line, flushed at once so that a harness reading the pipe
// sees it while the driver waits.
void Emit(const std::string& line);

// Decimal, or hexadecimal with 0x; the whole word must be a number.
bool ParseLong(const std::string& word, long& value);

// "a|b" with '|' -> {"a", "b"}; "ALT+F4" with '+' -> {"ALT", "F4"}.
std::vector<std::string> Split(const std::string& text, char separator);
std::string JoinBar(const std::vector<std::string>& parts);

// Quoted for the transcript, so that empty and padded texts stay visible.
std::string Quote(const std::string& text);

// A path from the script or the environment in the form CreateProcess and
// CreateFile take. Under Wine a Unix path ("/work/...") is turned into its
// DOS form; anything else is kept.
std::wstring HostPath(const std::string& path);

bool RunningUnderWine();

