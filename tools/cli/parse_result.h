// What the label parse's result means, for the reports and error lines.
#pragma once

namespace qm::cli {

// Why LabelFile::parse() gave this result, in words for people.
const char* parseResultMeaning(int parseResult);

}  // namespace qm::cli
