// A product opened the way the viewer's open command opens it: the label file
// parsed, the catalogue reset to the label path and configured with the label's
// satellite, sensor and logical format, then its bands discovered.
#pragma once

#include <string>

#include "product/label_file.h"
#include "product/product_catalog.h"

namespace qm::cli {

class OpenedProduct {
  public:
    // Runs the open sequence on the label file at the full path (program form).
    // Like the viewer it goes on whatever parse() returns.
    explicit OpenedProduct(std::string labelPath);
    OpenedProduct(const OpenedProduct&) = delete;
    OpenedProduct& operator=(const OpenedProduct&) = delete;

    const std::string& labelPath() const { return labelPath_; }
    int parseResult() const { return parseResult_; }
    bool labelRead() const { return parseResult_ == LabelFile::kOk; }
    bool discovered() const { return discovered_; }
    const LabelFile& label() const { return label_; }
    const ProductCatalog& catalog() const { return catalog_; }

  private:
    std::string labelPath_;
    // The catalogue borrows the label's value texts, so the label is declared first
    // and outlives it.
    LabelFile label_;
    ProductCatalog catalog_;
    int parseResult_;
    bool discovered_;
};

// Why parse() gave this result, in words for people.
const char* parseResultMeaning(int parseResult);

}  // namespace qm::cli
