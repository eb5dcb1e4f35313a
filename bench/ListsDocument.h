#pragma once

#include <string>

// A lists document of the given size: the containers of the dealerships' choice lists, as the
// server writes them, repeated until the size is reached.
std::string makeListsDocument(size_t bytes);
