#include "settings/menu_build_settings.h"

#include <algorithm>

std::int32_t BoundColumnLength(std::int32_t value) {
  return std::clamp(value, TMenuBuildSettings::MinColumnLength, TMenuBuildSettings::MaxColumnLength);
}
