#pragma once

#include <cstddef>
#include <cstdint>

// The two passes of the resampler as plain loops over raw buffers, compiled twice: once for the
// baseline instruction set and once for AVX2, chosen at run time. Both give the same bytes: every
// output value is summed in the order of its contributor list with single-precision multiplies and
// adds, only several values at once.

// The contributor lists of one pass, flattened: list i holds the entries first[i] to
// first[i + 1] - 1 of offset and weight. An offset is where the contributor's pixel starts in the
// buffer the pass reads: its position in the band (horizontal) or its row (vertical).
struct PassWeights {
    const int* first;
    const std::ptrdiff_t* offset;
    const float* weight;
};

struct HorizontalPass {
    const std::uint8_t* source;
    std::size_t sourceStride;
    int sourceWidth;
    int sourceHeight;
    PassWeights columns;
    int destinationWidth;
    std::uint8_t* work; // destinationWidth x sourceHeight, 24-bit
    std::size_t workStride;
    // Rows are filtered in bands of bandRows rows, transposed so that the same value of every
    // row of the band sits in one vector: value v of band row b at band[v * bandRows + b].
    float* band; // sourceWidth * 3 * bandRows floats
};

struct VerticalPass {
    const std::uint8_t* work;
    std::size_t workStride;
    int values; // bytes of one row: destination width * 3
    PassWeights rows;
    int destinationHeight;
    std::uint8_t* destination;
    std::size_t destinationStride;
};

struct ResampleKernels {
    int bandRows;
    void (*horizontal)(const HorizontalPass&);
    void (*vertical)(const VerticalPass&);
};

const ResampleKernels& baselineResampleKernels();
// Only to be called when the processor has AVX2.
const ResampleKernels& avx2ResampleKernels();
