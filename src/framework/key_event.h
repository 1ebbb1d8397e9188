#pragma once
// Keyboard events as controls raise them. A handler that sets the key to 0 consumes it.
#include <cstdint>
#include <functional>

#include "framework/component.h"
#include "framework/mouse_event.h"

using TKeyEvent = std::function<void(TComponent* sender, std::uint16_t& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TComponent* sender, wchar_t& key)>;
