#include "product/fast_header.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <type_traits>

#include "geo/angles.h"
#include "platform/platform.h"
#include "text/ascii.h"
#include "text/decimal.h"

namespace qm {
namespace {

constexpr std::string_view kCalibrationTitle = "GAINS AND BIASES IN ASCENDING BAND NUMBER ORDER";

// Every label a Fast-L7A header writes, the ones not read among them: a value ends
// where the next label begins.
constexpr std::string_view kLabels[] = {
    "REQ ID",
    "LOC",
    "ACQUISITION DATE",
    "SATELLITE",
    "SENSOR",
    "SENSOR MODE",
    "LOOK ANGLE",
    "LOCATION",
    "PRODUCT TYPE",
    "PRODUCT SIZE",
    "TYPE OF PROCESSING",
    "RESAMPLING",
    "VOLUME #/# IN SET",
    "PIXELS PER LINE",
    "LINES PER BAND",
    "START LINE #",
    "BLOCKING FACTOR",
    "REC SIZE",
    "PIXEL SIZE",
    "OUTPUT BITS PER PIXEL",
    "ACQUIRED BITS PER PIXEL",
    "BANDS PRESENT",
    "FILENAME",
    "GEOMETRIC DATA MAP PROJECTION",
    "MAP PROJECTION",
    "ELLIPSOID",
    "DATUM",
    "USGS PROJECTION PARAMETERS",
    "USGS MAP ZONE",
    "UL",
    "UR",
    "LR",
    "LL",
    "CENTER",
    "OFFSET",
    "ORIENTATION ANGLE",
    "SUN ELEVATION ANGLE",
    "SUN AZIMUTH ANGLE",
};

bool isLineEnd(char c) {
    return c == '\n' || c == '\r';
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || isLineEnd(c);
}

// A label starts a word: at the record's start or after a blank.
bool startsWord(std::string_view text, std::size_t at) {
    return at == 0 || isBlank(text[at - 1]);
}

std::size_t skipSpaces(std::string_view text, std::size_t at) {
    while (at < text.size() && text[at] == ' ')
        ++at;
    return at;
}

// Where the label's value starts when the label stands at `at` ("LABEL =" with any
// spaces); nothing when it does not stand there.
std::optional<std::size_t> valueAfter(std::string_view text, std::size_t at,
                                      std::string_view label) {
    if (!startsWord(text, at) || text.substr(at, label.size()) != label)
        return std::nullopt;
    const std::size_t equals = skipSpaces(text, at + label.size());
    if (equals >= text.size() || text[equals] != '=')
        return std::nullopt;
    return skipSpaces(text, equals + 1);
}

// A label with its '=', or "REV", the one label written without.
bool startsAnyLabel(std::string_view text, std::size_t at) {
    if (startsWord(text, at) && text.substr(at, 4) == "REV ")
        return true;
    for (const std::string_view label : kLabels) {
        if (valueAfter(text, at, label))
            return true;
    }
    return false;
}

// The value of the label's occurrence at or after `from`, with where it starts.
struct Found {
    std::size_t start;
    std::size_t labelEnd;
};

std::optional<Found> findLabel(std::string_view record, std::string_view label,
                               std::size_t from = 0) {
    for (std::size_t at = record.find(label, from); at != std::string_view::npos;
         at = record.find(label, at + 1)) {
        if (const std::optional<std::size_t> start = valueAfter(record, at, label))
            return Found{*start, at + label.size()};
    }
    return std::nullopt;
}

// The text from `start` to the line's end or the next label; with
// `stopAtDoubleSpace`, to two spaces in a row as well (text values are padded).
std::string_view valueRun(std::string_view record, std::size_t start, bool stopAtDoubleSpace) {
    std::size_t end = start;
    while (end < record.size() && !isLineEnd(record[end])) {
        if (stopAtDoubleSpace && record[end] == ' ' && end + 1 < record.size() &&
            record[end + 1] == ' ')
            break;
        if ((end == start || record[end - 1] == ' ') && startsAnyLabel(record, end))
            break;
        ++end;
    }
    std::string_view value = record.substr(start, end - start);
    while (!value.empty() && value.back() == ' ')
        value.remove_suffix(1);
    return value;
}

// The text of the label's first occurrence in the record; nothing without one.
std::optional<std::string_view> fieldText(std::string_view record, std::string_view label) {
    const std::optional<Found> found = findLabel(record, label);
    if (!found)
        return std::nullopt;
    return valueRun(record, found->start, true);
}

std::optional<std::string> textField(std::string_view record, std::string_view label) {
    const std::optional<std::string_view> value = fieldText(record, label);
    if (!value || value->empty())
        return std::nullopt;
    return std::string(*value);
}

// The number the text starts with (an optional sign; for a double a fraction and an
// exponent too), with the characters it took; nothing without digits, beyond the
// type's range or not finite. "06801/06801" gives the int 6801.
template <typename Number>
std::optional<Number> leadingNumber(std::string_view text, std::size_t* used = nullptr) {
    std::size_t at = 0;
    if (at < text.size() && text[at] == '+')
        ++at;
    Number value{};
    const char* first = text.data() + at;
    const auto [end, error] = std::from_chars(first, text.data() + text.size(), value);
    if (error != std::errc() || end == first || (at == 1 && *first == '-'))
        return std::nullopt;
    if constexpr (std::is_floating_point_v<Number>) {
        if (!std::isfinite(value))
            return std::nullopt;
    }
    if (used)
        *used = static_cast<std::size_t>(end - text.data());
    return value;
}

template <typename Number>
std::optional<Number> numberField(std::string_view record, std::string_view label) {
    const std::optional<std::string_view> value = fieldText(record, label);
    return value ? leadingNumber<Number>(*value) : std::nullopt;
}

// Blank-separated numbers from `at` on, as many as parse in a row (lines included).
std::vector<double> numbersFrom(std::string_view record, std::size_t at, std::size_t most) {
    std::vector<double> numbers;
    while (numbers.size() < most) {
        while (at < record.size() && isBlank(record[at]))
            ++at;
        std::size_t used = 0;
        const std::optional<double> number = leadingNumber<double>(record.substr(at), &used);
        if (!number || (at + used < record.size() && !isBlank(record[at + used])))
            break;
        numbers.push_back(*number);
        at += used;
    }
    return numbers;
}

// YYYYMMDD, a real calendar day.
std::optional<HeaderDate> dateOf(std::string_view text) {
    if (text.size() < 8)
        return std::nullopt;
    for (std::size_t i = 0; i < 8; ++i) {
        if (!isAsciiDigit(text[i]))
            return std::nullopt;
    }
    const auto digits = [&](std::size_t from, std::size_t count) {
        return decimalValue(text.substr(from, count));
    };
    const HeaderDate date{digits(0, 4), digits(4, 2), digits(6, 2)};
    if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > 31)
        return std::nullopt;
    return date;
}

// "118/0380000": path 118, row 038.
void readPathRow(FastHeader& header) {
    if (!header.location)
        return;
    const std::string_view location = *header.location;
    const std::size_t slash = location.find('/');
    if (slash == std::string_view::npos)
        return;
    header.path = leadingNumber<int>(location.substr(0, slash));
    const std::string_view rowDigits = location.substr(slash + 1, 3);
    if (rowDigits.size() == 3 && isAsciiDigit(rowDigits[0]) && isAsciiDigit(rowDigits[1]) &&
        isAsciiDigit(rowDigits[2]))
        header.row = leadingNumber<int>(rowDigits);
}

// A token that is one number and nothing else.
std::optional<double> wholeNumber(std::string_view token) {
    std::size_t used = 0;
    const std::optional<double> number = leadingNumber<double>(token, &used);
    return number && used == token.size() ? number : std::nullopt;
}

// An angle written DDDMMSS.SSSS with its hemisphere letter: W and S are negative.
std::optional<double> hemisphereAngle(std::string_view token, char positive, char negative) {
    if (token.size() < 2)
        return std::nullopt;
    const char hemisphere = asciiUpper(token.back());
    if (hemisphere != positive && hemisphere != negative)
        return std::nullopt;
    const std::optional<double> dms = wholeNumber(token.substr(0, token.size() - 1));
    if (!dms || *dms < 0)
        return std::nullopt;
    const double degrees = geo::degreesFromDms(*dms);
    return hemisphere == negative ? -degrees : degrees;
}

std::vector<std::string_view> tokensOf(std::string_view text) {
    std::vector<std::string_view> tokens;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && isBlank(text[at]))
            ++at;
        const std::size_t start = at;
        while (at < text.size() && !isBlank(text[at]))
            ++at;
        if (at > start)
            tokens.push_back(text.substr(start, at - start));
    }
    return tokens;
}

// "UL =1200351.5338E 323017.9373N 225195.000 3608595.000": longitude, latitude,
// easting, northing; CENTER adds its pixel and line.
std::vector<std::string_view> cornerTokens(std::string_view record, std::string_view label) {
    const std::optional<Found> found = findLabel(record, label);
    if (!found)
        return {};
    return tokensOf(valueRun(record, found->start, false));
}

HeaderCorner cornerOf(const std::vector<std::string_view>& tokens) {
    HeaderCorner corner;
    const auto token = [&](std::size_t i) {
        return i < tokens.size() ? tokens[i] : std::string_view();
    };
    corner.longitude = hemisphereAngle(token(0), 'E', 'W');
    corner.latitude = hemisphereAngle(token(1), 'N', 'S');
    corner.easting = wholeNumber(token(2));
    corner.northing = wholeNumber(token(3));
    return corner;
}

std::string_view recordOf(std::string_view text, int index) {
    const std::size_t start = static_cast<std::size_t>(index) * FastHeader::kRecordLength;
    return start >= text.size() ? std::string_view()
                                : text.substr(start, FastHeader::kRecordLength);
}

void readAdministrative(std::string_view record, FastHeader& header) {
    header.requestId = textField(record, "REQ ID");
    header.location = textField(record, "LOC");
    readPathRow(header);
    if (const std::optional<std::string> date = textField(record, "ACQUISITION DATE"))
        header.acquisitionDate = dateOf(*date);
    header.satellite = textField(record, "SATELLITE");
    header.sensor = textField(record, "SENSOR");
    header.sensorMode = textField(record, "SENSOR MODE");
    header.lookAngle = numberField<double>(record, "LOOK ANGLE");
    header.productType = textField(record, "PRODUCT TYPE");
    header.productSize = textField(record, "PRODUCT SIZE");
    header.processing = textField(record, "TYPE OF PROCESSING");
    header.resampling = textField(record, "RESAMPLING");
    header.pixelsPerLine = numberField<int>(record, "PIXELS PER LINE");
    header.linesPerBand = numberField<int>(record, "LINES PER BAND");
    header.pixelSize = numberField<double>(record, "PIXEL SIZE");
    header.outputBitsPerPixel = numberField<int>(record, "OUTPUT BITS PER PIXEL");
    header.bandsPresent = textField(record, "BANDS PRESENT");
    for (std::optional<Found> found = findLabel(record, "FILENAME"); found;
         found = findLabel(record, "FILENAME", found->labelEnd)) {
        const std::string_view name = valueRun(record, found->start, true);
        if (!name.empty())
            header.fileNames.emplace_back(name);
    }
    // "REV            L7A": the one label without '='.
    for (std::size_t at = record.find("REV "); at != std::string_view::npos;
         at = record.find("REV ", at + 1)) {
        if (!startsWord(record, at))
            continue;
        std::size_t start = skipSpaces(record, at + 3);
        if (start < record.size() && record[start] == '=')
            start = skipSpaces(record, start + 1);
        const std::string_view value = valueRun(record, start, true);
        if (!value.empty())
            header.revision = std::string(value);
        break;
    }
}

// Two numbers a band, bias first, for as many bands as are written.
void readRadiometric(std::string_view record, FastHeader& header) {
    const std::size_t title = record.find(kCalibrationTitle);
    if (title == std::string_view::npos)
        return;
    const std::vector<double> numbers =
        numbersFrom(record, title + kCalibrationTitle.size(), record.size());
    for (std::size_t i = 0; i + 1 < numbers.size(); i += 2)
        header.calibrations.push_back({numbers[i], numbers[i + 1]});
}

void readGeometric(std::string_view record, FastHeader& header) {
    header.mapProjection = textField(record, "MAP PROJECTION");
    header.ellipsoid = textField(record, "ELLIPSOID");
    header.datum = textField(record, "DATUM");
    if (const std::optional<Found> found = findLabel(record, "USGS PROJECTION PARAMETERS")) {
        const std::vector<double> numbers =
            numbersFrom(record, found->start, FastHeader::kProjectionParameterCount);
        if (numbers.size() == FastHeader::kProjectionParameterCount) {
            header.projectionParameters.emplace();
            std::copy(numbers.begin(), numbers.end(), header.projectionParameters->begin());
        }
    }
    header.mapZone = numberField<int>(record, "USGS MAP ZONE");
    header.upperLeft = cornerOf(cornerTokens(record, "UL"));
    header.upperRight = cornerOf(cornerTokens(record, "UR"));
    header.lowerRight = cornerOf(cornerTokens(record, "LR"));
    header.lowerLeft = cornerOf(cornerTokens(record, "LL"));
    const std::vector<std::string_view> center = cornerTokens(record, "CENTER");
    header.center = cornerOf(center);
    if (center.size() >= 6) {
        header.centerPixel = wholeNumber(center[4]);
        header.centerLine = wholeNumber(center[5]);
    }
    header.offset = numberField<double>(record, "OFFSET");
    header.orientationAngle = numberField<double>(record, "ORIENTATION ANGLE");
    header.sunElevation = numberField<double>(record, "SUN ELEVATION ANGLE");
    header.sunAzimuth = numberField<double>(record, "SUN AZIMUTH ANGLE");
}

}  // namespace

std::string HeaderDate::isoText() const {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

FastHeader parseFastHeader(std::string_view bytes) {
    // A CR before a LF is dropped, so every record is 1536 characters again.
    return parseFastHeaderText(platform::textFromBytes(bytes));
}

FastHeader parseFastHeaderText(std::string_view text) {
    FastHeader header;
    readAdministrative(recordOf(text, 0), header);
    readRadiometric(recordOf(text, 1), header);
    readGeometric(recordOf(text, 2), header);
    return header;
}

std::optional<FastHeader> readFastHeader(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (!platform::readFileBytes(path, bytes))
        return std::nullopt;
    return parseFastHeader(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace qm
