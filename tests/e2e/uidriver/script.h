// Scenario files: one command per line, words separated by blanks, "..."
// for words with blanks (\" and \\ inside), '#' at the start of a word
// begins a comment, ${NAME} is replaced by that environment variable.
#pragma once
#include <string>
#include <vector>

struct ScriptLine {
    int number = 0;
    std::vector<std::string> words;  // command first; never empty
    std::string source;              // the line as written, for the transcript
};

// Splits one line; false with a reason for an unterminated quote or an
// unset variable.
bool SplitWords(const std::string& line, std::vector<std::string>& words, std::string& error);

// Reads a whole file (UTF-8, optional BOM); blank and comment lines are left
// out. On a syntax error `error` names the line.
bool LoadScript(const std::wstring& path, std::vector<ScriptLine>& lines, std::string& error);
