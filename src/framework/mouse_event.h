#pragma once
// Mouse events as components raise them: the button, the shift state and a position.
#include <functional>

#include "framework/component.h"
#include "framework/enum_set.h"

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
enum class TShiftStateValue { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TEnumSet<TShiftStateValue>;

using TMouseEvent = std::function<void(TComponent* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TComponent* sender, TShiftState shift, int x, int y)>;
