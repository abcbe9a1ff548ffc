#include "script.h"

#include <windows.h>

#include "text.h"

namespace {

bool LookUp(const std::string& name, std::string& value) {
    const std::wstring wide = Widen(name);
    const DWORD size = GetEnvironmentVariableW(wide.c_str(), nullptr, 0);
    if (size == 0) return false;
    std::wstring buffer(size, L'\0');
    const DWORD length = GetEnvironmentVariableW(wide.c_str(), &buffer[0], size);
    buffer.resize(length);
    value = Narrow(buffer);
    return true;
}

bool ReadFileBytes(const std::wstring& path, std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    char chunk[4096];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ReadFile(file, chunk, sizeof chunk, &got, nullptr) != FALSE) && got > 0) bytes.append(chunk, got);
    CloseHandle(file);
    return ok;
}

}  // namespace

bool SplitWords(const std::string& line, std::vector<std::string>& words, std::string& error) {
    words.clear();
    size_t i = 0;
    const size_t n = line.size();
    while (i < n) {
        while (i < n && (line[i] == ' ' || line[i] == '\t')) ++i;
        if (i >= n || line[i] == '#') break;
        std::string word;
        bool quoted = false;
        while (i < n && (quoted || (line[i] != ' ' && line[i] != '\t'))) {
            const char c = line[i];
            if (c == '"') {
                quoted = !quoted;
                ++i;
            } else if (quoted && c == '\\' && i + 1 < n && (line[i + 1] == '"' || line[i + 1] == '\\')) {
                word += line[i + 1];
                i += 2;
            } else if (c == '$' && i + 1 < n && line[i + 1] == '{') {
                const size_t close = line.find('}', i + 2);
                if (close == std::string::npos) {
                    error = "unterminated ${";
                    return false;
                }
                const std::string name = line.substr(i + 2, close - i - 2);
                std::string value;
                if (!LookUp(name, value)) {
                    error = "environment variable " + name + " is not set";
                    return false;
                }
                word += value;
                i = close + 1;
            } else {
                word += c;
                ++i;
            }
        }
        if (quoted) {
            error = "unterminated quote";
            return false;
        }
        words.push_back(word);
    }
    return true;
}

bool LoadScript(const std::wstring& path, std::vector<ScriptLine>& lines, std::string& error) {
    std::string bytes;
    if (!ReadFileBytes(path, bytes)) {
        error = "cannot read " + Narrow(path);
        return false;
    }
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) bytes.erase(0, 3);
    size_t start = 0;
    int number = 0;
    while (start <= bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        std::string text = bytes.substr(start, end - start);
        if (!text.empty() && text.back() == '\r') text.pop_back();
        ++number;
        ScriptLine line;
        std::string why;
        if (!SplitWords(text, line.words, why)) {
            error = Format("line %d: %s", number, why.c_str());
            return false;
        }
        if (!line.words.empty()) {
            line.number = number;
            const size_t first = text.find_first_not_of(" \t");
            line.source = text.substr(first);
            lines.push_back(line);
        }
        start = end + 1;
    }
    return true;
}
