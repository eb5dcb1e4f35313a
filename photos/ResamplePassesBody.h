// The loops of the two resampling passes, included by ResamplePassesBaseline.cpp and
// ResamplePassesAvx2.cpp, which compile them for their instruction set. Everything here has
// internal linkage so that the two compilations never meet at link time, and nothing here
// includes a header: the including file does that (<immintrin.h>) before choosing the
// instruction set.
//
// Vectors are the compiler's generic vectors of the register width. Each lane holds one output
// value, and a lane's arithmetic is exactly the scalar one: the same multiplies and adds, rounded
// to single precision, in the same order.

namespace {

typedef float Floats4 __attribute__((vector_size(16)));
typedef int Ints4 __attribute__((vector_size(16)));
typedef unsigned char Bytes4 __attribute__((vector_size(4)));

// Bytes are widened with the instructions made for it: the compiler's own conversion of a byte
// vector takes the bytes out one by one.
inline Floats4 toFloats(Bytes4 v)
{
    int word;
    __builtin_memcpy(&word, &v, sizeof word);
    const __m128i zero = _mm_setzero_si128();
    const __m128i bytes = _mm_cvtsi32_si128(word);
    return (Floats4)_mm_cvtepi32_ps(_mm_unpacklo_epi16(_mm_unpacklo_epi8(bytes, zero), zero));
}

template <int W> struct VectorTypes;
template <> struct VectorTypes<4> {
    using Floats = Floats4;
    using Ints = Ints4;
    using Bytes = Bytes4;
};

#ifdef KELVARO_WIDE_VECTORS
typedef float Floats8 __attribute__((vector_size(32)));
typedef int Ints8 __attribute__((vector_size(32)));
typedef unsigned char Bytes8 __attribute__((vector_size(8)));

inline Floats8 toFloats(Bytes8 v)
{
    long long word;
    __builtin_memcpy(&word, &v, sizeof word);
    return (Floats8)_mm256_cvtepi32_ps(_mm256_cvtepu8_epi32(_mm_cvtsi64_si128(word)));
}

template <> struct VectorTypes<8> {
    using Floats = Floats8;
    using Ints = Ints8;
    using Bytes = Bytes8;
};
#endif

// Vectors of W values in the processor's registers: 4 for the baseline (SSE2), 8 for AVX2.
template <int W> struct Lanes {
    using Floats = typename VectorTypes<W>::Floats;
    using Ints = typename VectorTypes<W>::Ints;
    using Bytes = typename VectorTypes<W>::Bytes;

    // Loads and stores through memcpy: unaligned, and compiled to one vector move.
    static Floats load(const float* p)
    {
        Floats v;
        __builtin_memcpy(&v, p, sizeof v);
        return v;
    }
    static void store(float* p, Floats v) { __builtin_memcpy(p, &v, sizeof v); }
    static Floats loadBytes(const unsigned char* p)
    {
        Bytes v;
        __builtin_memcpy(&v, p, sizeof v);
        return toFloats(v);
    }
    // Clamps to 0..255 and rounds to the nearest integer, halves to even: adding 1.5 * 2^23
    // leaves the integer in the low bits of the mantissa, rounded by the addition itself.
    static Ints roundToBytes(Floats sum)
    {
        const Floats zero = {};
        const Floats top = zero + 255.0f;
        Floats v = sum < zero ? zero : sum;
        v = v > top ? top : v;
        return (Ints)(v + 12582912.0f) - 0x4B400000;
    }
};

inline unsigned char roundToByte(float sum)
{
    if (sum > 255.0f)
        return 255;
    if (sum < 0.0f)
        return 0;
    const float shifted = sum + 12582912.0f;
    int bits;
    __builtin_memcpy(&bits, &shifted, sizeof bits);
    return static_cast<unsigned char>(bits - 0x4B400000);
}

// W consecutive values of W rows into W vectors, one per value, each holding that value of the
// W rows.
inline void transpose(Lanes<4>::Floats r[4])
{
    typedef Lanes<4>::Ints Mask;
    const Mask low = {0, 4, 1, 5}, high = {2, 6, 3, 7};
    const Mask pairsLow = {0, 1, 4, 5}, pairsHigh = {2, 3, 6, 7};
    const Lanes<4>::Floats t0 = __builtin_shuffle(r[0], r[1], low);
    const Lanes<4>::Floats t1 = __builtin_shuffle(r[0], r[1], high);
    const Lanes<4>::Floats t2 = __builtin_shuffle(r[2], r[3], low);
    const Lanes<4>::Floats t3 = __builtin_shuffle(r[2], r[3], high);
    r[0] = __builtin_shuffle(t0, t2, pairsLow);
    r[1] = __builtin_shuffle(t0, t2, pairsHigh);
    r[2] = __builtin_shuffle(t1, t3, pairsLow);
    r[3] = __builtin_shuffle(t1, t3, pairsHigh);
}

#ifdef KELVARO_WIDE_VECTORS
inline void transpose(Lanes<8>::Floats r[8])
{
    typedef Lanes<8>::Ints Mask;
    const Mask low = {0, 8, 1, 9, 4, 12, 5, 13}, high = {2, 10, 3, 11, 6, 14, 7, 15};
    const Mask pairsLow = {0, 1, 8, 9, 4, 5, 12, 13}, pairsHigh = {2, 3, 10, 11, 6, 7, 14, 15};
    const Mask halvesLow = {0, 1, 2, 3, 8, 9, 10, 11}, halvesHigh = {4, 5, 6, 7, 12, 13, 14, 15};
    Lanes<8>::Floats t[8], u[8];
#pragma GCC unroll 8
    for (int i = 0; i < 8; i += 2) {
        t[i] = __builtin_shuffle(r[i], r[i + 1], low);
        t[i + 1] = __builtin_shuffle(r[i], r[i + 1], high);
    }
#pragma GCC unroll 8
    for (int i = 0; i < 8; i += 4) {
        u[i] = __builtin_shuffle(t[i], t[i + 2], pairsLow);
        u[i + 1] = __builtin_shuffle(t[i], t[i + 2], pairsHigh);
        u[i + 2] = __builtin_shuffle(t[i + 1], t[i + 3], pairsLow);
        u[i + 3] = __builtin_shuffle(t[i + 1], t[i + 3], pairsHigh);
    }
#pragma GCC unroll 8
    for (int i = 0; i < 4; ++i) {
        r[i] = __builtin_shuffle(u[i], u[i + 4], halvesLow);
        r[i + 4] = __builtin_shuffle(u[i], u[i + 4], halvesHigh);
    }
}
#endif

// Rows past the picture's end repeat its last row; their results are not stored.
template <int W, int BandRows> void fillBand(const HorizontalPass& pass, int firstRow, float* band)
{
    using L = Lanes<W>;
    const unsigned char* rows[BandRows];
    for (int b = 0; b < BandRows; ++b) {
        const int y = firstRow + b < pass.sourceHeight ? firstRow + b : pass.sourceHeight - 1;
        rows[b] = pass.source + static_cast<__SIZE_TYPE__>(y) * pass.sourceStride;
    }
    const int values = pass.sourceWidth * 3;
    int v = 0;
    for (; v + W <= values; v += W) {
#pragma GCC unroll 8
        for (int group = 0; group < BandRows; group += W) {
            typename L::Floats r[W];
#pragma GCC unroll 8
            for (int b = 0; b < W; ++b)
                r[b] = L::loadBytes(rows[group + b] + v);
            transpose(r);
#pragma GCC unroll 8
            for (int k = 0; k < W; ++k)
                L::store(band + (v + k) * BandRows + group, r[k]);
        }
    }
    for (; v < values; ++v)
        for (int b = 0; b < BandRows; ++b)
            band[v * BandRows + b] = static_cast<float>(rows[b][v]);
}

template <int W, int BandRows> void horizontalPassBody(const HorizontalPass& pass)
{
    using L = Lanes<W>;
    constexpr int Groups = BandRows / W;
    const PassWeights& columns = pass.columns;
    for (int firstRow = 0; firstRow < pass.sourceHeight; firstRow += BandRows) {
        fillBand<W, BandRows>(pass, firstRow, pass.band);
        const int rowsHere =
            pass.sourceHeight - firstRow < BandRows ? pass.sourceHeight - firstRow : BandRows;
        unsigned char* out = pass.work + static_cast<__SIZE_TYPE__>(firstRow) * pass.workStride;
        for (int i = 0; i < pass.destinationWidth; ++i) {
            typename L::Floats sum[3][Groups] = {};
            for (int k = columns.first[i]; k < columns.first[i + 1]; ++k) {
                const float* p = pass.band + columns.offset[k];
                const float w = columns.weight[k];
#pragma GCC unroll 8
                for (int channel = 0; channel < 3; ++channel)
#pragma GCC unroll 8
                    for (int g = 0; g < Groups; ++g)
                        sum[channel][g] =
                            sum[channel][g] + w * L::load(p + channel * BandRows + g * W);
            }
            unsigned char* pixel = out + i * 3;
#pragma GCC unroll 8
            for (int channel = 0; channel < 3; ++channel)
#pragma GCC unroll 8
                for (int g = 0; g < Groups; ++g) {
                    const typename L::Ints q = L::roundToBytes(sum[channel][g]);
                    for (int lane = 0; lane < W && g * W + lane < rowsHere; ++lane)
                        pixel[static_cast<__SIZE_TYPE__>(g * W + lane) * pass.workStride +
                              channel] = static_cast<unsigned char>(q[lane]);
                }
        }
    }
}

// Blocks of 32 values of one destination row are summed in registers over the row's
// contributors, which read whole rows of the work picture in place.
template <int W> void verticalPassBody(const VerticalPass& pass)
{
    using L = Lanes<W>;
    constexpr int Block = 32, Groups = Block / W;
    const PassWeights& rows = pass.rows;
    for (int i = 0; i < pass.destinationHeight; ++i) {
        unsigned char* out =
            pass.destination + static_cast<__SIZE_TYPE__>(i) * pass.destinationStride;
        const int begin = rows.first[i], end = rows.first[i + 1];
        const auto rowOf = [&](int k) { return pass.work + rows.offset[k]; };
        int x = 0;
        for (; x + Block <= pass.values; x += Block) {
            typename L::Floats sum[Groups] = {};
            for (int k = begin; k < end; ++k) {
                const unsigned char* p = rowOf(k) + x;
                const float w = rows.weight[k];
#pragma GCC unroll 8
                for (int g = 0; g < Groups; ++g)
                    sum[g] = sum[g] + w * L::loadBytes(p + g * W);
            }
#pragma GCC unroll 8
            for (int g = 0; g < Groups; ++g) {
                const typename L::Ints q = L::roundToBytes(sum[g]);
#pragma GCC unroll 8
                for (int lane = 0; lane < W; ++lane)
                    out[x + g * W + lane] = static_cast<unsigned char>(q[lane]);
            }
        }
        for (; x < pass.values; ++x) {
            float sum = 0.0f;
            for (int k = begin; k < end; ++k)
                sum = sum + rows.weight[k] * static_cast<float>(rowOf(k)[x]);
            out[x] = roundToByte(sum);
        }
    }
}

} // namespace
