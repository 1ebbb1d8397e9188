#pragma once
// The menus this thread has open on the screen.

// Paints every open menu of this thread afresh, so that a picture that arrived for one of its
// items shows while the menu stays open.
void RepaintOpenMenus();
