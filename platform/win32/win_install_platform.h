#pragma once

#include "platform/install_platform.h"

namespace platform {

class WinInstallPlatform : public InstallPlatform {
public:
    SystemError CopyDriverFile(const std::string& source, const std::string& destination) override;
    std::string ErrorText(SystemError error) override;
    KeyHandle OpenKeyForSet(RootKey root, const std::string& subKey) override;
    bool SetStringValue(KeyHandle key, const std::string& name, const std::string& text) override;
    void CloseKey(KeyHandle key) override;
    void Sleep(unsigned milliseconds) override;
    void ShowErrorMessage(const std::string& utf8Text) override;
};

}  // namespace platform
