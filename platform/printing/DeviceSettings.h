// The printer and page settings a print dialog hands back, and the options it opens with.
#pragma once

#include <string>

namespace tarnui {

class Window;

struct DeviceSettings {
    std::string driver;
    std::string device;  // printer name
    std::string port;
    int paperSize = 9;       // standard paper size code (9: A4); 0 = none
    int paperLength = 0;     // tenths of a millimetre; 0 = not given
    int paperWidth = 0;      // tenths of a millimetre; 0 = not given
    int printQuality = 300;  // dots per inch; negative values are draft/low/medium/high codes
    bool landscape = false;
    int copies = 1;

    friend bool operator==(const DeviceSettings&, const DeviceSettings&) = default;
};

struct PrintDialogRequest {
    Window* owner = nullptr;
    bool returnDeviceContext = true;
    bool allowSelection = false;
    int fromPage = 1, toPage = 1, minPage = 1, maxPage = 1;
    int copies = 1;
};

// What the person chose in the print dialog.
struct PrintChoice {
    DeviceSettings settings;
    int fromPage = 1, toPage = 1;
    int copies = 1;
};

}  // namespace tarnui
