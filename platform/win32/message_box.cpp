#include "platform/win32/message_box.h"

#include <vector>

namespace platform {
namespace {

std::wstring Widen(const std::string& text, UINT codePage) {
    const int length = MultiByteToWideChar(codePage, 0, text.c_str(), -1, nullptr, 0);
    if (length <= 0) return std::wstring();
    std::vector<wchar_t> wide(length);
    MultiByteToWideChar(codePage, 0, text.c_str(), -1, wide.data(), length);
    return std::wstring(wide.data());
}

}  // namespace

std::string AppTitle() {
    std::vector<char> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return std::string();
        if (length < path.size()) break;
        path.resize(path.size() * 2);
    }
    std::string name(path.data());
    const std::size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos) name.erase(dot);
    return name;
}

void ShowMessageUtf8(HWND owner, const std::string& utf8Text) {
    MessageBoxW(owner, Widen(utf8Text, CP_UTF8).c_str(), Widen(AppTitle(), CP_ACP).c_str(),
                MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace platform
