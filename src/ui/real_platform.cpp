// Construction of the real platform.
#include "ui/real_platform.h"

namespace vondrik {

RealPlatform::RealPlatform(const AppFolder& folder) : folder_(folder) {}

}  // namespace vondrik
