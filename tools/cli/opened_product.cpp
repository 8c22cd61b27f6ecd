#include "tools/cli/opened_product.h"

#include <utility>

namespace qm::cli {

OpenedProduct::OpenedProduct(std::string labelPath)
    : labelPath_(std::move(labelPath)), parseResult_(label_.parse(labelPath_)) {
    catalog_.reset(labelPath_);
    catalog_.readConfiguration(label_.satellite(), label_.sensor(), label_.logicalFormat());
    discovered_ = catalog_.discoverBands();
}

const char* parseResultMeaning(int parseResult) {
    switch (parseResult) {
        case LabelFile::kOk:
            return "read";
        case LabelFile::kSizeUnknown:
            return "cannot examine the file (missing or inaccessible)";
        case LabelFile::kNoMemory:
            return "not enough memory to read the file";
        case LabelFile::kCannotOpen:
            return "cannot open the file for reading";
        case LabelFile::kMarkerMissing:
            return "not a label file (no ZEPHYRLAB marker)";
        default:
            return "unknown result";
    }
}

}  // namespace qm::cli
