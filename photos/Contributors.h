#pragma once

#include <vector>

#include "photos/ResampleFilters.h"

// The source pixels that make one destination column (or row), with their weights.
struct Contributor {
    int pixel; // source index, already reflected into the source
    float weight;
};

// In order of increasing source position before reflection; weights of 0 are left out.
using ContributorList = std::vector<Contributor>;

// The scale from a source size to a destination size: (dst - 1) / (src - 1), or dst / src when
// either side is a single pixel (a 1-pixel destination would otherwise give the scale 0).
float resampleScale(int destinationSize, int sourceSize);

// Reflects an index that lies before or after the source back into it: -1 gives 1 (the edge pixel
// is not repeated) while size gives size - 1 (it is). Indices still outside, which only a source
// smaller than the filter's reach produces, are clamped to the nearest edge.
int reflectIndex(int j, int sourceSize);

// The source positions that destination column (or row) i may read, before reflection: from
// floor(center - reach) to ceil(center + reach), where center = i / scale and the reach is the
// support, stretched by 1 / scale when reducing.
struct ContributorSpan {
    float center;
    int left;
    int right;
};
ContributorSpan contributorSpan(int i, float scale, float support);

// One list per destination column (or row): the weights are computed once and reused for every
// row (or column) of the pass.
std::vector<ContributorList> buildContributors(int destinationSize, int sourceSize,
                                               FilterFunction filter, float support);
