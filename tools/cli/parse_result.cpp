#include "tools/cli/parse_result.h"

#include "product/label_file.h"

namespace qm::cli {

const char* parseResultMeaning(LabelParseResult parseResult) {
    switch (parseResult) {
        case LabelParseResult::Ok:
            return "read";
        case LabelParseResult::SizeUnknown:
            return "cannot examine the file (missing or inaccessible)";
        case LabelParseResult::NoMemory:
            return "not enough memory to read the file";
        case LabelParseResult::CannotOpen:
            return "cannot open the file for reading";
        case LabelParseResult::MarkerMissing:
            return "not a label file (no ZEPHYRLAB marker)";
    }
    return "unknown result";
}

}  // namespace qm::cli
