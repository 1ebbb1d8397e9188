#pragma once
// The styler's two painting families. Any other value paints no item background.
enum TMenuStyle : int { msOffice = 0, msWindows = 1 };
