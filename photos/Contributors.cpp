#include "photos/Contributors.h"

#include <algorithm>
#include <cmath>

float resampleScale(int destinationSize, int sourceSize)
{
    if (sourceSize == 1 || destinationSize == 1)
        return float(destinationSize) / float(sourceSize);
    return float(destinationSize - 1) / float(sourceSize - 1);
}

int reflectIndex(int j, int sourceSize)
{
    if (j < 0)
        j = -j;
    else if (j >= sourceSize)
        j = sourceSize - j + sourceSize - 1;
    return std::clamp(j, 0, sourceSize - 1);
}

ContributorSpan contributorSpan(int i, float scale, float support)
{
    const float center = float(i) / scale;
    const float reach = scale < 1.0f ? support / scale : support;
    return {center, int(std::floor(center - reach)), int(std::ceil(center + reach))};
}

std::vector<ContributorList> buildContributors(int destinationSize, int sourceSize,
                                               FilterFunction filter, float support)
{
    const float scale = resampleScale(destinationSize, sourceSize);
    std::vector<ContributorList> lists(std::max(destinationSize, 0));
    for (int i = 0; i < destinationSize; ++i) {
        ContributorList& list = lists[i];
        const ContributorSpan span = contributorSpan(i, scale, support);
        list.reserve(span.right - span.left + 1);
        // Reduction stretches the filter over 1 / scale source pixels.
        const float fscale = 1.0f / scale;
        for (int j = span.left; j <= span.right; ++j) {
            const float weight = scale < 1.0f ? filter((span.center - float(j)) / fscale) / fscale
                                              : filter(span.center - float(j));
            if (weight != 0.0f)
                list.push_back({reflectIndex(j, sourceSize), weight});
        }
    }
    return lists;
}
