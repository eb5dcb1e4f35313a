#pragma once

// "Comic Sans MS" of the design is drawn with Comic Neue, "MS Sans Serif" with a sans serif.
void installFontSubstitutes();
