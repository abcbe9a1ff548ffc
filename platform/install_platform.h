// What the installation needs of the system besides the spooler: file copy,
// the registry, waiting, the progress bar and the error message box.
#pragma once

#include <string>

#include "platform/spooler.h"

namespace platform {

enum class RootKey { CurrentUser, LocalMachine };
using KeyHandle = void*;

class InstallPlatform {
public:
    virtual ~InstallPlatform() = default;

    // Replaces an existing destination file.
    virtual SystemError CopyDriverFile(const std::string& source, const std::string& destination) = 0;
    virtual std::string ErrorText(SystemError error) = 0;

    // Opens an existing key for setting values; null when it cannot be opened.
    virtual KeyHandle OpenKeyForSet(RootKey root, const std::string& subKey) = 0;
    virtual bool SetStringValue(KeyHandle key, const std::string& name, const std::string& text) = 0;
    virtual void CloseKey(KeyHandle key) = 0;

    virtual void Sleep(unsigned milliseconds) = 0;

    // Modal box with one OK button; the text is UTF-8 so that it reads right
    // whatever the system's ANSI code page is.
    virtual void ShowErrorMessage(const std::string& utf8Text) = 0;
};

class ProgressTarget {
public:
    virtual ~ProgressTarget() = default;
    virtual void SetPosition(int percent) = 0;   // sent, not posted
};

}  // namespace platform
