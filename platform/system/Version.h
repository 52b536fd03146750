// The platform library's version, exported with C linkage so that a loader can check it
// by name.
#pragma once

extern "C" const char* TarnUiVersion();
