#include "photos/GaussBlur.h"

#include <algorithm>
#include <cmath>
#include <vector>

GaussKernel BuildGaussKernel(double radius, double maxData, double granularity)
{
    if (radius == 0)
        radius = 1;
    GaussKernel kernel;
    for (int j = -MaxKernelSize; j <= MaxKernelSize; ++j) {
        const double t = j / radius;
        kernel.weight(j) = float(std::exp(-t * t / 2));
    }
    double sum = 0;
    for (float w : kernel.Weights)
        sum += w;
    for (float& w : kernel.Weights)
        w = float(w / sum);

    // Cut the tails while the weight they hold could not change a byte.
    const double delta = granularity / (2 * maxData);
    int size = MaxKernelSize;
    double removed = 0;
    while (removed < delta && size > 1) {
        removed += 2 * kernel.weight(size);
        --size;
    }
    kernel.Size = size;

    sum = 0;
    for (int j = -size; j <= size; ++j)
        sum += kernel.weight(j);
    for (int j = -size; j <= size; ++j)
        kernel.weight(j) = float(kernel.weight(j) / sum);
    return kernel;
}

GaussKernel blurKernel(double radius)
{
    return BuildGaussKernel(radius, 255, 1);
}

int TrimToRange(int low, int high, int value)
{
    if (value >= low && value <= high)
        return value;
    return value > high ? high : low;
}

std::uint8_t TruncToByte(double sum)
{
    // The weights are stored in single precision, so a uniform area sums to a hair below its
    // value; such a sum is the value, not one less (255 stays 255 and 200 stays 200).
    const double whole = std::round(sum);
    if (whole > sum && whole - sum < 1e-4)
        sum = whole;
    if (sum < 0)
        return 0;
    if (sum >= 255)
        return 255;
    return std::uint8_t(sum);
}

void BlurLine(std::uint8_t* pixels, int n, const GaussKernel& kernel, std::uint8_t* q)
{
    for (int i = 0; i <= n; ++i)
        for (int channel = 0; channel < 3; ++channel) {
            double sum = 0;
            for (int k = -kernel.Size; k <= kernel.Size; ++k)
                sum += double(kernel.weight(k)) * pixels[TrimToRange(0, n, i - k) * 3 + channel];
            q[i * 3 + channel] = TruncToByte(sum);
        }
    std::copy(q, q + std::ptrdiff_t(n + 1) * 3, pixels);
}

namespace {

typedef double Doubles2 __attribute__((vector_size(16)));

// Block of values summed in registers: 8 vectors of 2.
constexpr int Block = 16;

// out[x] = sum over k of weight(k) * line(k)[x] for x in [0, count), k = -Size .. Size in order,
// where line(k) points at the values that offset k reads. Blocks of 16 values are summed in
// registers; the remainder one value at a time, with the same operations.
template <class LineOf>
void sumLines(const GaussKernel& kernel, LineOf lineOf, int count, std::uint8_t* out)
{
    int x = 0;
    for (; x + Block <= count; x += Block) {
        Doubles2 sum[Block / 2] = {};
        for (int k = -kernel.Size; k <= kernel.Size; ++k) {
            const double w = kernel.weight(k);
            const double* line = lineOf(k) + x;
#pragma GCC unroll 8
            for (int g = 0; g < Block / 2; ++g) {
                Doubles2 values;
                __builtin_memcpy(&values, line + 2 * g, sizeof values);
                sum[g] = sum[g] + w * values;
            }
        }
#pragma GCC unroll 8
        for (int g = 0; g < Block / 2; ++g) {
            out[x + 2 * g] = TruncToByte(sum[g][0]);
            out[x + 2 * g + 1] = TruncToByte(sum[g][1]);
        }
    }
    for (; x < count; ++x) {
        double sum = 0;
        for (int k = -kernel.Size; k <= kernel.Size; ++k)
            sum += double(kernel.weight(k)) * lineOf(k)[x];
        out[x] = TruncToByte(sum);
    }
}

} // namespace

std::optional<std::string> GBlur(BitmapView picture, double radius)
{
    if (picture.bitsPerPixel != 24)
        return std::string(NotTwentyFourBits);
    if (picture.width < 1 || picture.height < 1)
        return std::nullopt;
    const GaussKernel kernel = blurKernel(radius);
    const int size = kernel.Size;
    const int values = picture.width * 3;

    // Rows: each row widened by size pixels on both sides, the edge pixels repeated, so that
    // offset k of pixel i reads pixel TrimToRange(0, n, i - k) at widened[i - k + size].
    std::vector<double> widened(std::size_t(picture.width + 2 * size) * 3);
    for (int y = 0; y < picture.height; ++y) {
        std::uint8_t* row = picture.row(y);
        for (int e = 0; e < picture.width + 2 * size; ++e) {
            const std::uint8_t* pixel = row + TrimToRange(0, picture.width - 1, e - size) * 3;
            for (int channel = 0; channel < 3; ++channel)
                widened[std::size_t(e) * 3 + channel] = pixel[channel];
        }
        sumLines(
            kernel, [&](int k) { return widened.data() + std::ptrdiff_t(size - k) * 3; }, values,
            row);
    }

    // Columns: all columns of one output row at once, from the rows as blurred above.
    std::vector<double> rows(std::size_t(values) * picture.height);
    for (int y = 0; y < picture.height; ++y)
        std::copy(picture.row(y), picture.row(y) + values,
                  rows.begin() + std::ptrdiff_t(y) * values);
    const int n = picture.height - 1;
    for (int y = 0; y < picture.height; ++y)
        sumLines(
            kernel,
            [&](int k) { return rows.data() + std::ptrdiff_t(TrimToRange(0, n, y - k)) * values; },
            values, picture.row(y));
    return std::nullopt;
}
