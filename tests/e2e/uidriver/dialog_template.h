// Dialog templates as stored in a program's resources, plain (DIALOG) and
// extended (DIALOGEX).
#pragma once
#include <windows.h>

#include <string>
#include <vector>

struct TemplateItem {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    DWORD id = 0;
    std::wstring className;  // predefined atoms are turned into their names
    std::wstring text;       // empty when the text is an ordinal
    bool textIsOrdinal = false;
    WORD textOrdinal = 0;
};

struct DialogTemplate {
    bool extended = false;
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::wstring caption;
    WORD pointSize = 0;  // valid with DS_SETFONT
    WORD weight = 0;
    BYTE italic = 0;
    BYTE charset = DEFAULT_CHARSET;
    std::wstring face;
    std::vector<TemplateItem> items;
};

// False with a reason when the data ends early or is not a template.
bool ParseDialogTemplate(const BYTE* data, size_t size, DialogTemplate& result, std::string& error);

// Reads dialog `id` in resource language `language` from an executable
// without running it.
bool LoadDialogTemplate(const std::wstring& exePath, int id, WORD language, DialogTemplate& result,
                        std::string& error);

// Id of the dialog resource whose caption is `caption`, or -1.
int FindDialogByCaption(const std::wstring& exePath, const std::string& caption);
