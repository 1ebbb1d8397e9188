#pragma once
// The platform's text rules for the search: names fold as the menus' type-to-find compares them.
#include "search/search_text.h"

TTextFolding SystemFolding();
