#include "tools/cli/parse_result.h"

#include "product/label_file.h"

namespace qm::cli {

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
