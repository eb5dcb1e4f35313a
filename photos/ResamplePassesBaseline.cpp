// The resampling passes for any x86-64 processor (SSE2).
#include "photos/ResamplePasses.h"

#include <immintrin.h>

#include "photos/ResamplePassesBody.h"

const ResampleKernels& baselineResampleKernels()
{
    static const ResampleKernels kernels{8, horizontalPassBody<4, 8>, verticalPassBody<4>};
    return kernels;
}
