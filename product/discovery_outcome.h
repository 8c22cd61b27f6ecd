// Where band discovery stopped, and with what: the facts a user needs to see why an
// opened product shows no band, and what to change so that it does.
#pragma once

#include <string>

#include "band/band_refusal.h"

namespace qm {

enum class DiscoveryStop {
    NotRun,                 // no discovery since the catalogue was reset
    Completed,              // every matching name became a band
    NoLogicalFormat,        // the label names no logical format
    ConfigurationMissing,   // the configuration file is not there
    UnknownLogicalFormat,   // its [Logical Format] section has no entry for the format
    NoProductFolder,        // the label's path gives no product folder (no '.')
    ProductFolderMissing,   // the product folder is not there
    NoMatchingFile,         // no name in the product folder matches the mask
    NoFastFormatHeader,     // a fast-format product's folder holds no L7*_HRF.FST
    HeaderUnreadable,       // the header cannot be read or ends before its numbers
    BandRefused,            // a matching file is no band; later names were not looked at
    TooManyBands,           // more matching names than a product can hold
    SceneHeaderUnreadable,  // the Landsat header a scene was opened by cannot be read
    SceneFilesMissing,      // none of the files its headers name is in its folder
};

struct DiscoveryOutcome {
    DiscoveryStop stop = DiscoveryStop::NotRun;
    // The header file (HeaderUnreadable, SceneHeaderUnreadable) or the refused band
    // file (BandRefused), a path in the program's form; empty otherwise.
    std::string file;
    BandRefusal refusal = BandRefusal::Unreadable;  // why, for BandRefused
};

}  // namespace qm
