// Files written whole or not at all, and the question whether two paths name one file.
#include "platform/common/system.h"
#include "platform/platform.h"

namespace qm::platform {
namespace {

// Owns the temporary file until it has replaced the target: removed otherwise.
class TemporaryFile {
  public:
    explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
    ~TemporaryFile() {
        if (!path_.empty())
            system::removeFile(path_);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::string& path() const { return path_; }
    void keep() { path_.clear(); }

  private:
    std::string path_;
};

}  // namespace

WriteFailure replaceFile(const std::string& target, const std::function<bool(File&)>& write) {
    if (target.empty())
        return WriteFailure::Other;
    if (!fitsPath(target))
        return WriteFailure::NameTooLong;
    // Refused before anything is written rather than after.
    if (system::isReadOnlyFile(target))
        return WriteFailure::AccessDenied;
    std::string created;
    const WriteFailure creation = system::createTemporaryFile(folderOf(target), created);
    if (creation != WriteFailure::None)
        return creation;
    TemporaryFile temporary(created);

    File file;
    if (!file.open(temporary.path(), File::Mode::Write))
        return file.failure();
    // The picture reaches the disk before its name replaces the old one: a power cut
    // then leaves the old file or the new one, never an empty one.
    const bool written = write(file) && file.flushToDisk();
    const bool closed = file.close();
    // `write` may give up without a file error.
    if (!written || !closed)
        return file.failure() == WriteFailure::None ? WriteFailure::Other : file.failure();

    const WriteFailure moved = system::moveOver(temporary.path(), target);
    if (moved == WriteFailure::None)
        temporary.keep();
    return moved;
}

bool sameFile(const std::string& a, const std::string& b) {
    if (const std::optional<bool> same = system::sameExistingFile(a, b))
        return *same;
    const std::string fullA = fullPath(a);
    const std::string fullB = fullPath(b);
    return !fullA.empty() && system::sameFullPath(fullA, fullB);
}

}  // namespace qm::platform
