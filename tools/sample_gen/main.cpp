// quillmere-sample-gen: writes synthetic sample products to try the viewer with.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "tools/sample_gen/options.h"
#include "tools/sample_gen/sample_products.h"

int main(int argc, char** argv) {
    using qm::sample::Options;
    const Options options = qm::sample::parseOptions({argv + 1, argv + argc});
    switch (options.action) {
        case Options::Action::Help:
            std::cout << qm::sample::usageText();
            return 0;
        case Options::Action::Version:
            std::cout << "quillmere-sample-gen " << QM_VERSION << '\n';
            return 0;
        case Options::Action::UsageError:
            std::cerr << "quillmere-sample-gen: " << options.error << '\n'
                      << qm::sample::usageText();
            return 2;
        case Options::Action::Generate:
            break;
    }
    try {
        const auto written =
            qm::sample::writeSampleProducts(options.outputDirectory, options.products);
        std::cout << "wrote " << written.recordLabel.string() << " and "
                  << written.fastLabel.string() << '\n';
    } catch (const std::exception& error) {
        std::cerr << "quillmere-sample-gen: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
