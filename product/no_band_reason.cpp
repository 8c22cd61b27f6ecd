#include "product/no_band_reason.h"

namespace qm {
namespace {

// The template with each %x replaced by its value; unknown ones stay as written.
class Filler {
  public:
    Filler(const ProductCatalog& catalog, const MessageSpelling& spelling)
        : catalog_(catalog), spelling_(spelling) {}

    std::string operator()(std::string_view pattern) const {
        std::string result;
        for (std::size_t i = 0; i < pattern.size(); ++i) {
            if (pattern[i] == '%' && i + 1 < pattern.size()) {
                result += value(pattern[++i]);
                continue;
            }
            std::size_t next = pattern.find('%', i);
            if (next == std::string_view::npos)
                next = pattern.size();
            result += spelling_.text(pattern.substr(i, next - i));
            i = next - 1;
        }
        return result;
    }

  private:
    std::string value(char placeholder) const {
        const DiscoveryOutcome& outcome = catalog_.outcome();
        switch (placeholder) {
            case 'l':
                return spelling_.path(catalog_.labelPath());
            case 'c':
                return spelling_.path(catalog_.configurationPath());
            case 'd':
                return spelling_.path(catalog_.productDirectory());
            case 'h':
            case 'b':
                return spelling_.path(outcome.file);
            case 'f':
                return spelling_.text(catalog_.logicalFormat());
            case 'm':
                return spelling_.text(catalog_.fileNameMask());
            case 'k':
                return std::to_string(catalog_.formatCode());
            case 's':
                return spelling_.text(std::string(catalog_.satellite()) + catalog_.sensor());
            default:
                return spelling_.text(std::string("%") + placeholder);
        }
    }

    const ProductCatalog& catalog_;
    const MessageSpelling& spelling_;
};

const char* labelTemplate(LabelParseResult parseResult, const NoBandTemplates& templates) {
    switch (parseResult) {
        case LabelParseResult::SizeUnknown:
            return templates.labelMissing;
        case LabelParseResult::MarkerMissing:
            return templates.labelWithoutMarker;
        default:
            return templates.labelUnreadable;
    }
}

// The template of where discovery stopped; null when it stopped nowhere worth a word.
const char* stopTemplate(DiscoveryStop stop, const NoBandTemplates& templates) {
    switch (stop) {
        case DiscoveryStop::NoLogicalFormat:
            return templates.noLogicalFormat;
        case DiscoveryStop::ConfigurationMissing:
            return templates.configurationMissing;
        case DiscoveryStop::UnknownLogicalFormat:
            return templates.unknownLogicalFormat;
        case DiscoveryStop::NoProductFolder:
            return templates.noProductFolder;
        case DiscoveryStop::ProductFolderMissing:
            return templates.productFolderMissing;
        case DiscoveryStop::NoMatchingFile:
            return templates.noMatchingFile;
        case DiscoveryStop::NoFastFormatHeader:
            return templates.noFastFormatHeader;
        case DiscoveryStop::HeaderUnreadable:
            return templates.headerUnreadable;
        case DiscoveryStop::BandRefused:
            return templates.bandRefused;
        case DiscoveryStop::SceneHeaderUnreadable:
            return templates.sceneHeaderUnreadable;
        case DiscoveryStop::SceneFilesMissing:
            return templates.sceneFilesMissing;
        case DiscoveryStop::NotRun:
        case DiscoveryStop::Completed:
        case DiscoveryStop::TooManyBands:
            break;
    }
    return nullptr;
}

// Whether the missing mask explains the stop: "*" offered every name.
bool maskMatters(DiscoveryStop stop) {
    return stop == DiscoveryStop::NoMatchingFile || stop == DiscoveryStop::BandRefused;
}

std::string asItStands(std::string_view text) {
    return std::string(text);
}

}  // namespace

MessageSpelling verbatimSpelling() {
    return MessageSpelling{asItStands, asItStands};
}

std::optional<std::string> noBandReason(LabelParseResult parseResult, const ProductCatalog& catalog,
                                        const NoBandTemplates& templates,
                                        const MessageSpelling& spelling) {
    if (catalog.bandCount() > 0)
        return std::nullopt;
    const Filler fill(catalog, spelling);
    if (parseResult != LabelParseResult::Ok)
        return fill(labelTemplate(parseResult, templates));
    const DiscoveryOutcome& outcome = catalog.outcome();
    const char* reason = stopTemplate(outcome.stop, templates);
    if (!reason)
        return std::nullopt;
    std::string text = fill(reason);
    if (outcome.stop == DiscoveryStop::BandRefused)
        text += fill(templates.refusals[static_cast<std::size_t>(outcome.refusal)]);
    if (maskMatters(outcome.stop) && !catalog.fileNameMaskConfigured())
        text += fill(templates.noFileNameMask);
    return text;
}

}  // namespace qm
