// The resampling passes for processors with AVX2, used only after a run-time check. Everything
// compiled for AVX2 lives in this file with internal linkage, so no AVX2 code can stand in for a
// baseline function at link time. Fused multiply-adds stay off: they would change the sums.
#include "photos/ResamplePasses.h"

#include <immintrin.h>

#pragma GCC push_options
#pragma GCC target("avx2,no-fma")
#define KELVARO_WIDE_VECTORS 1

#include "photos/ResamplePassesBody.h"

#pragma GCC pop_options

const ResampleKernels& avx2ResampleKernels()
{
    static const ResampleKernels kernels{16, horizontalPassBody<8, 16>, verticalPassBody<8>};
    return kernels;
}
