#include "base/version.h"

// The build defines it for this file alone, so that a new version rebuilds one file.
#ifndef TAMBLEWIN_VERSION
#define TAMBLEWIN_VERSION "0.0.0"
#endif

namespace tw {

std::string_view programVersion() { return TAMBLEWIN_VERSION; }

}  // namespace tw
