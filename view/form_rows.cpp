#include "view/form_rows.h"

#include "view/form_rows_avx2.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace qm {
namespace {

// A step of 2^halvings: the vector loads keep every other byte that many times.
int halvingsFor(std::size_t step) {
    switch (step) {
        case 1:
            return 0;
        case 2:
            return 1;
        case 4:
            return 2;
        case 8:
            return 3;
        default:
            return -1;
    }
}

// The pixels left after the vector rounds, one at a time.
void mapColourTail(const ChannelLines& lines, const ChannelForms& forms, int halvings,
                   std::size_t first, std::size_t count, std::uint8_t* out) {
    for (std::size_t x = first; x < count; ++x) {
        std::uint8_t* pixel = out + 3 * x;
        for (std::size_t k = 0; k < 3; ++k) {
            const LevelForm& form = forms[k];
            const std::uint8_t value = form.isConstant() ? 0 : lines[k][x << halvings];
            pixel[2 - k] = applyLevelForm(form, value);
        }
    }
}

#if defined(__SSE2__)

constexpr std::size_t kVectorPixels = 16;

enum class FormKind { kIdentity, kConstant, kGeneral };

// A form spread over the lanes of a vector.
struct VectorForm {
    FormKind kind = FormKind::kGeneral;
    // The multiplier as 128 * high + low, low 0 to 127: each 32-bit lane holds
    // low in its lower and high in its upper 16 bits, for pairs (p, 128 p).
    __m128i multiplierHalves;
    __m128i offset;
    __m128i shift;
    __m128i constant;  // the bytes of a constant form
};

VectorForm vectorForm(const LevelForm& form) {
    VectorForm vector;
    vector.kind = form.isIdentity()   ? FormKind::kIdentity
                  : form.isConstant() ? FormKind::kConstant
                                      : FormKind::kGeneral;
    const std::int32_t high = form.multiplier >> 7;  // rounds down, so low is not negative
    const std::int32_t low = form.multiplier - high * 128;
    const std::uint32_t halves =
        (static_cast<std::uint32_t>(high) << 16) | static_cast<std::uint32_t>(low);
    vector.multiplierHalves = _mm_set1_epi32(static_cast<int>(halves));
    vector.offset = _mm_set1_epi32(form.offset);
    vector.shift = _mm_cvtsi32_si128(form.shift);
    vector.constant = _mm_set1_epi8(static_cast<char>(applyLevelForm(form, 0)));
    return vector;
}

// Sixteen bytes at columns 0, 2^halvings, 2 * 2^halvings, ...: the low byte of
// every 16-bit lane kept, two vectors packed into one, as often as needed.
template <int halvings>
__m128i loadSixteen(const std::uint8_t* line) {
    if constexpr (halvings == 0) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(line));
    } else {
        constexpr std::size_t half = std::size_t{8} << halvings;
        const __m128i lowBytes = _mm_set1_epi16(0xFF);
        return _mm_packus_epi16(_mm_and_si128(loadSixteen<halvings - 1>(line), lowBytes),
                                _mm_and_si128(loadSixteen<halvings - 1>(line + half), lowBytes));
    }
}

// Eight pixels in 16-bit lanes to their bytes, still in 16-bit lanes and held to
// the 16-bit range: p * multiplier + offset in 32 bits, shifted.
__m128i mappedEight(__m128i pixels, const VectorForm& form) {
    const __m128i times128 = _mm_slli_epi16(pixels, 7);
    __m128i low = _mm_madd_epi16(_mm_unpacklo_epi16(pixels, times128), form.multiplierHalves);
    __m128i high = _mm_madd_epi16(_mm_unpackhi_epi16(pixels, times128), form.multiplierHalves);
    low = _mm_sra_epi32(_mm_add_epi32(low, form.offset), form.shift);
    high = _mm_sra_epi32(_mm_add_epi32(high, form.offset), form.shift);
    return _mm_packs_epi32(low, high);
}

// Sixteen pixels of a line from the column on through the form; a constant form
// reads nothing (its line may be null).
template <int halvings>
__m128i mappedSixteen(const std::uint8_t* line, std::size_t column, const VectorForm& form) {
    if (form.kind == FormKind::kConstant)
        return form.constant;
    const __m128i pixels = loadSixteen<halvings>(line + column);
    if (form.kind == FormKind::kIdentity)
        return pixels;
    const __m128i zero = _mm_setzero_si128();
    // The final pack holds each result to 0..255.
    return _mm_packus_epi16(mappedEight(_mm_unpacklo_epi8(pixels, zero), form),
                            mappedEight(_mm_unpackhi_epi8(pixels, zero), form));
}

// Four pixels as blue, green, red, 0 in 32-bit lanes, to their 12 bytes followed
// by four zero bytes: each 64-bit half first joins its two pixels into six bytes,
// then the upper half's six bytes move down next to the lower half's.
__m128i packedFour(__m128i pixels) {
    const __m128i evenPixels = _mm_set_epi32(0, -1, 0, -1);
    const __m128i oddPixelBits =
        _mm_set_epi32(0xFFFF, static_cast<int>(0xFF000000u), 0xFFFF, static_cast<int>(0xFF000000u));
    const __m128i firstSixBytes = _mm_set_epi32(0, 0, 0xFFFF, -1);
    const __m128i joined = _mm_or_si128(_mm_and_si128(pixels, evenPixels),
                                        _mm_and_si128(_mm_srli_epi64(pixels, 8), oddPixelBits));
    return _mm_or_si128(_mm_and_si128(joined, firstSixBytes),
                        _mm_andnot_si128(firstSixBytes, _mm_srli_si128(joined, 2)));
}

// Sixteen pixels' 48 bytes, blue green red, and four more bytes after them.
void storeSixteenPixels(__m128i blue, __m128i green, __m128i red, std::uint8_t* out) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i blueGreenLow = _mm_unpacklo_epi8(blue, green);
    const __m128i blueGreenHigh = _mm_unpackhi_epi8(blue, green);
    const __m128i redLow = _mm_unpacklo_epi8(red, zero);
    const __m128i redHigh = _mm_unpackhi_epi8(red, zero);
    const __m128i quads[] = {
        _mm_unpacklo_epi16(blueGreenLow, redLow), _mm_unpackhi_epi16(blueGreenLow, redLow),
        _mm_unpacklo_epi16(blueGreenHigh, redHigh), _mm_unpackhi_epi16(blueGreenHigh, redHigh)};
    for (const __m128i& quad : quads) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), packedFour(quad));
        out += 12;
    }
}

// Pixels x to x + 15, and four bytes more.
template <int halvings>
void mapSixteenPixels(const ChannelLines& lines, const VectorForm& red, const VectorForm& green,
                      const VectorForm& blue, std::size_t x, std::uint8_t* out) {
    const std::size_t column = x << halvings;
    storeSixteenPixels(mappedSixteen<halvings>(lines[2], column, blue),
                       mappedSixteen<halvings>(lines[1], column, green),
                       mappedSixteen<halvings>(lines[0], column, red), out + 3 * x);
}

// The pixels the vector rounds can take; returns how many they took. Each round
// writes four bytes past its own, which a later round overwrites, so the rounds
// end two pixels short of count; that also keeps their loads, which reach
// 2^halvings - 1 bytes past the last pixel's column, inside the lines. What the
// whole rounds leave is taken by one more round that ends there, over pixels
// already done, which it writes again with the same bytes.
template <int halvings>
std::size_t mapColourSse2(const ChannelLines& lines, const ChannelForms& forms, std::size_t count,
                          std::uint8_t* out) {
    constexpr std::size_t kShort = 2;
    if (count < kVectorPixels + kShort)
        return 0;
    const VectorForm red = vectorForm(forms[0]);
    const VectorForm green = vectorForm(forms[1]);
    const VectorForm blue = vectorForm(forms[2]);
    const std::size_t last = count - kVectorPixels - kShort;
    for (std::size_t x = 0; x < last; x += kVectorPixels)
        mapSixteenPixels<halvings>(lines, red, green, blue, x, out);
    mapSixteenPixels<halvings>(lines, red, green, blue, last, out);
    return last + kVectorPixels;
}

std::size_t mapColourSse2(const ChannelLines& lines, const ChannelForms& forms, int halvings,
                          std::size_t count, std::uint8_t* out) {
    switch (halvings) {
        case 0:
            return mapColourSse2<0>(lines, forms, count, out);
        case 1:
            return mapColourSse2<1>(lines, forms, count, out);
        case 2:
            return mapColourSse2<2>(lines, forms, count, out);
        default:
            return mapColourSse2<3>(lines, forms, count, out);
    }
}

std::size_t mapGreySse2(const std::uint8_t* line, const LevelForm& form, std::size_t count,
                        std::uint8_t* out) {
    const VectorForm vector = vectorForm(form);
    std::size_t x = 0;
    for (; x + kVectorPixels <= count; x += kVectorPixels)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), mappedSixteen<0>(line, x, vector));
    return x;
}

#endif  // __SSE2__

// The lines from a column on; a constant channel's line, which may be null, is
// never read and stays as it is.
ChannelLines linesFrom(const ChannelLines& lines, const ChannelForms& forms, std::size_t column) {
    ChannelLines from = lines;
    for (std::size_t k = 0; k < 3; ++k) {
        if (!forms[k].isConstant())
            from[k] += column;
    }
    return from;
}

// AVX2 rounds first where the processor has them, SSE2 rounds for what they leave,
// then one pixel at a time.
void mapColourRun(const ChannelLines& lines, const ChannelForms& forms, int halvings,
                  std::size_t count, std::uint8_t* out) {
    std::size_t done = hasAvx2() ? mapColourAvx2(lines, forms, halvings, count, out) : 0;
#if defined(__SSE2__)
    done += mapColourSse2(linesFrom(lines, forms, done << halvings), forms, halvings, count - done,
                          out + 3 * done);
#endif
    mapColourTail(lines, forms, halvings, done, count, out);
}

}  // namespace

bool formsTakeStep(std::size_t step) {
    return halvingsFor(step) >= 0;
}

void mapColourPixelsByForms(const ChannelLines& lines, const ChannelForms& forms, std::size_t first,
                            std::size_t step, std::size_t count, std::uint8_t* out) {
    mapColourRun(linesFrom(lines, forms, first), forms, halvingsFor(step), count, out);
}

void mapGreyPixelsByForm(const std::uint8_t* line, const LevelForm& form, std::size_t count,
                         std::uint8_t* out) {
    std::size_t done = 0;
#if defined(__SSE2__)
    done = mapGreySse2(line, form, count, out);
#endif
    for (std::size_t x = done; x < count; ++x)
        out[x] = applyLevelForm(form, line[x]);
}

}  // namespace qm
