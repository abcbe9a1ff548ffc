#include "platform/win32/win_install_platform.h"

#include <windows.h>

#include <cstdio>

#include "platform/win32/message_box.h"

namespace platform {

SystemError WinInstallPlatform::CopyDriverFile(const std::string& source, const std::string& destination) {
    if (CopyFileA(source.c_str(), destination.c_str(), FALSE)) return 0;
    const DWORD error = GetLastError();
    return error != 0 ? error : ERROR_GEN_FAILURE;
}

std::string WinInstallPlatform::ErrorText(SystemError error) {
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        error, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), reinterpret_cast<char*>(&text), 0, nullptr);
    std::string result;
    if (length != 0 && text != nullptr) {
        result.assign(text, length);
        while (!result.empty() && (result.back() == '\n' || result.back() == '\r' || result.back() == ' '))
            result.pop_back();
    }
    if (text != nullptr) LocalFree(text);
    char code[32];
    std::snprintf(code, sizeof code, "error %lu", static_cast<unsigned long>(error));
    return result.empty() ? std::string(code) : result + " (" + code + ")";
}

KeyHandle WinInstallPlatform::OpenKeyForSet(RootKey root, const std::string& subKey) {
    HKEY key = nullptr;
    HKEY base = root == RootKey::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
    if (RegOpenKeyExA(base, subKey.c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return nullptr;
    return key;
}

bool WinInstallPlatform::SetStringValue(KeyHandle key, const std::string& name, const std::string& text) {
    return RegSetValueExA(static_cast<HKEY>(key), name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}

void WinInstallPlatform::CloseKey(KeyHandle key) { RegCloseKey(static_cast<HKEY>(key)); }

void WinInstallPlatform::Sleep(unsigned milliseconds) { ::Sleep(milliseconds); }

void WinInstallPlatform::ShowErrorMessage(const std::string& utf8Text) {
    ShowMessageUtf8(GetActiveWindow(), utf8Text);
}

}  // namespace platform
