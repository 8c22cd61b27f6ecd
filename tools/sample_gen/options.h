// The command line of quillmere-sample-gen.
#pragma once

#include <string>
#include <vector>

#include "tools/sample_gen/sample_products.h"

namespace qm::sample {

struct Options {
    enum class Action { Generate, Help, Version, UsageError };

    Action action = Action::UsageError;
    std::string outputDirectory;
    SampleOptions products;
    std::string error;  // what is wrong, for a usage error
};

// Reads the arguments after the program name:
//   OUTDIR [--seed N] [--size WxH]    or    --help / --version
Options parseOptions(const std::vector<std::string>& arguments);

const char* usageText();

}  // namespace qm::sample
