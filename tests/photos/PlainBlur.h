#pragma once

#include "photos/RgbBitmap.h"

// The blur written as plainly as it is described: every row through BlurLine, then every column
// copied out, blurred and copied back. The reference the fast GBlur must equal byte for byte.
void plainGBlur(RgbBitmap& picture, double radius);
