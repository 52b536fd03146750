#include "platform/system/Version.h"

extern "C" __attribute__((visibility("default"))) const char* TarnUiVersion() {
    return "1.0";
}
