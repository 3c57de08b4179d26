#pragma once

#include "platform/DesktopPlatform.h"

namespace vellory {

// The toolkit half of the platform: message boxes and the application-wide pointer.
class QtUserInterface final : public UserInterfaceServices {
public:
    void ShowMessageBox(const std::string &title, const std::string &text) override;
    void SetBusyCursor(bool on) override;
};

}  // namespace vellory
