// Why an opened product shows no band, in words that name what the user can act
// on: the label, the configuration file, the logical format, the product folder,
// the mask, the header or the file that was refused. The facts are picked here
// once; each front end gives its own language's templates and its own spelling of
// paths and texts.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "product/label_file.h"
#include "product/product_catalog.h"

namespace qm {

// One language's templates. In them %l stands for the label path, %c the
// configuration file, %f the logical format, %d the product folder, %m the mask,
// %h the header file, %b the refused file, %k the format code and %s the
// band-layout section. '%' is never part of a Shift-JIS double-byte character.
struct NoBandTemplates {
    const char* labelMissing;
    const char* labelUnreadable;
    const char* labelWithoutMarker;
    const char* noLogicalFormat;
    const char* configurationMissing;
    const char* unknownLogicalFormat;
    const char* noProductFolder;
    const char* productFolderMissing;
    const char* noMatchingFile;
    // Follows the reason when the configuration has no mask for the format.
    const char* noFileNameMask;
    const char* noFastFormatHeader;
    const char* headerUnreadable;
    // Followed by the refusal's own template.
    const char* bandRefused;
    // A scene opened by its header (%h): the header cannot be read, or none of the
    // files its headers name is in its folder (%d).
    const char* sceneHeaderUnreadable;
    const char* sceneFilesMissing;
    // One per BandRefusal, in its order.
    std::array<const char*, 6> refusals;
};

// How the names reach the reader: paths (program form) and program texts (label
// values, the mask), each turned into what the message is written in.
struct MessageSpelling {
    std::string (*path)(std::string_view);
    std::string (*text)(std::string_view);
};

// Paths and texts as they stand: what the viewer, whose messages are program
// texts, writes.
MessageSpelling verbatimSpelling();

// The reason, or nothing when the catalogue holds a band.
std::optional<std::string> noBandReason(LabelParseResult parseResult, const ProductCatalog& catalog,
                                        const NoBandTemplates& templates,
                                        const MessageSpelling& spelling);

}  // namespace qm
