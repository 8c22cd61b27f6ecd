// What the tool writes about products and files, in words for people, on this
// system's console: paths spelled as the user spells them (UTF-8 and '/' on POSIX,
// the program's bytes and '\' on Windows), program texts converted for the console.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "product/open_product.h"
#include "product/product_facts.h"

namespace qm::cli {

// "quillmere-cli: NAME: REASON". The name is console text already (a path as given,
// or one passed through platform::consolePath); the reason is program text.
std::string errorLine(std::string_view shownName, std::string_view reason);
// The same for a reason that is console text already (noBandReason's).
std::string consoleErrorLine(std::string_view shownName, std::string_view consoleReason);

// A path given on the command line in the program's form, for the core.
std::string programPath(const std::string& given);

// The configuration file --config names, or QMDATA.INI beside the program.
std::string configurationPathFor(const std::string& given);

// Why the product shows no band, as console text for a line that names the label
// already; nothing when it has a band.
std::optional<std::string> noBandReason(const OpenedProduct& product);

// Why a file could not be written.
const char* writeFailureMeaning(platform::WriteFailure failure);

// Product information's section titles and captions in English.
extern const FactWords kFactWords;

}  // namespace qm::cli
