// What the label parse's result means, for the reports and error lines.
#pragma once

#include "product/label_file.h"

namespace qm::cli {

// Why LabelFile::parse() gave this result, in words for people.
const char* parseResultMeaning(LabelParseResult parseResult);

}  // namespace qm::cli
