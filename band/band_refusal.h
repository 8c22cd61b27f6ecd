// Why a file of a product's folder is not one of its bands.
#pragma once

namespace qm {

enum class BandRefusal {
    PathTooLong,     // folder and name together do not fit a path
    UnknownFormat,   // the product's format code is neither 1 nor 2
    Unreadable,      // the file cannot be opened or measured
    TooShort,        // shorter than its record length field or than one record
    NoRecordLength,  // it states a record length of 0 or less
    FieldTooWide,    // the configuration places a framing field wider than 16 bytes
};

}  // namespace qm
