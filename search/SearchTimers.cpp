// Work of the search panel and of the duplicate counts that the timer's count-downs start.
#include "ui/TAxKelvaro.h"

void TAxKelvaro::HttpGetSearchInfo(int /*extraRows*/) {}

void TAxKelvaro::HttpGetDblInfo() {}
