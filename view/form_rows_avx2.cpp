#include "view/form_rows_avx2.h"

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#define QM_AVX2_COMPILED 1
#include <immintrin.h>

#include <array>
#endif

namespace qm {

#if defined(QM_AVX2_COMPILED)

// Every function that uses AVX2 says so itself; nothing else in the program is
// compiled for it.
#define QM_AVX2 __attribute__((target("avx2")))
#define QM_AVX2_INLINE __attribute__((target("avx2"), always_inline)) inline

namespace {

constexpr std::size_t kRoundPixels = 32;

bool avx2Allowed = true;

// Which byte of the blue, green or red vector goes to each byte of 16 pixels'
// 48 output bytes, 16 at a time; 0x80 gives 0, to be filled by another channel.
// The same within both 128-bit halves, which shuffle separately.
struct ShuffleMasks {
    std::int8_t bytes[3][3][32] = {};  // [16-byte piece][blue, green, red][byte]
};

constexpr ShuffleMasks makeShuffleMasks() {
    ShuffleMasks masks;
    for (int piece = 0; piece < 3; ++piece) {
        for (int channel = 0; channel < 3; ++channel) {
            for (int j = 0; j < 32; ++j) {
                const int n = 16 * piece + j % 16;
                masks.bytes[piece][channel][j] =
                    static_cast<std::int8_t>(n % 3 == channel ? n / 3 : 0x80);
            }
        }
    }
    return masks;
}

constexpr ShuffleMasks kShuffleMasks = makeShuffleMasks();

enum class FormKind { kIdentity, kConstant, kGeneral };

struct WideForm {
    FormKind kind = FormKind::kGeneral;
    __m256i multiplierHalves;  // as in form_rows.cpp: low and high 16-bit halves
    __m256i offset;
    __m256i constant;
    __m128i shift;
};

QM_AVX2_INLINE void setWideForm(const LevelForm& form, WideForm& wide) {
    wide.kind = form.isIdentity()   ? FormKind::kIdentity
                : form.isConstant() ? FormKind::kConstant
                                    : FormKind::kGeneral;
    const std::int32_t high = form.multiplier >> 7;
    const std::int32_t low = form.multiplier - high * 128;
    const std::uint32_t halves =
        (static_cast<std::uint32_t>(high) << 16) | static_cast<std::uint32_t>(low);
    wide.multiplierHalves = _mm256_set1_epi32(static_cast<int>(halves));
    wide.offset = _mm256_set1_epi32(form.offset);
    wide.constant = _mm256_set1_epi8(static_cast<char>(applyLevelForm(form, 0)));
    wide.shift = _mm_cvtsi32_si128(form.shift);
}

// Sixteen bytes at columns 0, 2^halvings, ...: as loadSixteen in form_rows.cpp.
template <int halvings>
QM_AVX2_INLINE __m128i loadSixteen(const std::uint8_t* line) {
    if constexpr (halvings == 0) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(line));
    } else {
        constexpr std::size_t half = std::size_t{8} << halvings;
        const __m128i lowBytes = _mm_set1_epi16(0xFF);
        return _mm_packus_epi16(_mm_and_si128(loadSixteen<halvings - 1>(line), lowBytes),
                                _mm_and_si128(loadSixteen<halvings - 1>(line + half), lowBytes));
    }
}

// Sixteen pixels to their bytes in 16-bit lanes, in pixel order.
QM_AVX2_INLINE __m256i mappedSixteen(__m128i bytes, const WideForm& form) {
    const __m256i pixels = _mm256_cvtepu8_epi16(bytes);
    const __m256i times128 = _mm256_slli_epi16(pixels, 7);
    __m256i low = _mm256_madd_epi16(_mm256_unpacklo_epi16(pixels, times128), form.multiplierHalves);
    __m256i high =
        _mm256_madd_epi16(_mm256_unpackhi_epi16(pixels, times128), form.multiplierHalves);
    low = _mm256_sra_epi32(_mm256_add_epi32(low, form.offset), form.shift);
    high = _mm256_sra_epi32(_mm256_add_epi32(high, form.offset), form.shift);
    return _mm256_packs_epi32(low, high);
}

// Thirty-two pixels of a line from the column on through the form; a constant
// form reads nothing (its line may be null).
template <int halvings>
QM_AVX2_INLINE __m256i mappedThirtyTwo(const std::uint8_t* base, std::size_t column,
                                       const WideForm& form) {
    if (form.kind == FormKind::kConstant)
        return form.constant;
    const std::uint8_t* line = base + column;
    if (halvings == 0 && form.kind == FormKind::kIdentity)
        return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(line));
    const __m128i first = loadSixteen<halvings>(line);
    const __m128i second = loadSixteen<halvings>(line + (std::size_t{16} << halvings));
    if (form.kind == FormKind::kIdentity)
        return _mm256_inserti128_si256(_mm256_castsi128_si256(first), second, 1);
    // The pack holds each result to 0..255 but works within 128-bit halves, so
    // the four 8-pixel groups come out as 0, 2, 1, 3 and are put back in order.
    const __m256i packed =
        _mm256_packus_epi16(mappedSixteen(first, form), mappedSixteen(second, form));
    return _mm256_permute4x64_epi64(packed, 0xD8);
}

QM_AVX2_INLINE __m256i shuffled(__m256i bytes, int piece, int channel) {
    const auto* mask = reinterpret_cast<const __m256i*>(kShuffleMasks.bytes[piece][channel]);
    return _mm256_shuffle_epi8(bytes, _mm256_loadu_si256(mask));
}

// The 96 bytes of 32 pixels, blue green red. Each 128-bit half makes the three
// 16-byte pieces of its own 16 pixels; the pieces are then stored in order.
QM_AVX2_INLINE void storeThirtyTwoPixels(__m256i blue, __m256i green, __m256i red,
                                         std::uint8_t* out) {
    __m256i pieces[3];
    for (int piece = 0; piece < 3; ++piece) {
        pieces[piece] =
            _mm256_or_si256(_mm256_or_si256(shuffled(blue, piece, 0), shuffled(green, piece, 1)),
                            shuffled(red, piece, 2));
    }
    auto* wide = reinterpret_cast<__m256i*>(out);
    _mm256_storeu_si256(wide, _mm256_permute2x128_si256(pieces[0], pieces[1], 0x20));
    _mm256_storeu_si256(wide + 1, _mm256_permute2x128_si256(pieces[2], pieces[0], 0x30));
    _mm256_storeu_si256(wide + 2, _mm256_permute2x128_si256(pieces[1], pieces[2], 0x31));
}

// Pixels x to x + 31.
template <int halvings>
QM_AVX2_INLINE void mapRound(const ChannelLines& lines, const WideForm& red, const WideForm& green,
                             const WideForm& blue, std::size_t x, std::uint8_t* out) {
    const std::size_t column = x << halvings;
    storeThirtyTwoPixels(mappedThirtyTwo<halvings>(lines[2], column, blue),
                         mappedThirtyTwo<halvings>(lines[1], column, green),
                         mappedThirtyTwo<halvings>(lines[0], column, red), out + 3 * x);
}

// A round's loads reach 2^halvings - 1 bytes past its last pixel's column, so with
// any halving the rounds stop at least one pixel short of count. What the whole
// rounds leave is taken by one more round that ends where rounds may end, over
// pixels already done, which it writes again with the same bytes.
template <int halvings>
QM_AVX2 std::size_t mapColourRounds(const ChannelLines& lines, const ChannelForms& forms,
                                    std::size_t count, std::uint8_t* out) {
    constexpr std::size_t kReach = halvings == 0 ? 0 : 1;
    if (count < kRoundPixels + kReach)
        return 0;
    WideForm red;
    WideForm green;
    WideForm blue;
    setWideForm(forms[0], red);
    setWideForm(forms[1], green);
    setWideForm(forms[2], blue);
    const std::size_t last = count - kRoundPixels - kReach;
    for (std::size_t x = 0; x < last; x += kRoundPixels)
        mapRound<halvings>(lines, red, green, blue, x, out);
    mapRound<halvings>(lines, red, green, blue, last, out);
    return last + kRoundPixels;
}

}  // namespace

bool hasAvx2() {
    static const bool supported = __builtin_cpu_supports("avx2");
    return supported && avx2Allowed;
}

bool setAvx2Allowed(bool allowed) {
    const bool previous = avx2Allowed;
    avx2Allowed = allowed;
    return previous;
}

std::size_t mapColourAvx2(const ChannelLines& lines, const ChannelForms& forms, int halvings,
                          std::size_t count, std::uint8_t* out) {
    switch (halvings) {
        case 0:
            return mapColourRounds<0>(lines, forms, count, out);
        case 1:
            return mapColourRounds<1>(lines, forms, count, out);
        case 2:
            return mapColourRounds<2>(lines, forms, count, out);
        default:
            return mapColourRounds<3>(lines, forms, count, out);
    }
}

#else  // no AVX2 code for this processor

bool hasAvx2() {
    return false;
}

bool setAvx2Allowed(bool) {
    return false;
}

std::size_t mapColourAvx2(const ChannelLines&, const ChannelForms&, int, std::size_t,
                          std::uint8_t*) {
    return 0;
}

#endif

}  // namespace qm
