// Keeps the component's object library non-empty while the data layer is being built.
#include "src/shell/HostTypes.h"
