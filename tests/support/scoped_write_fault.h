// A failing disk for the life of a scope: files opened for writing meet the fault
// (see platform::setWriteFault), and the real file system is back afterwards.
#pragma once

#include <optional>

#include "platform/platform.h"

namespace qm::test {

class ScopedWriteFault {
  public:
    explicit ScopedWriteFault(std::optional<platform::WriteFault> fault) {
        platform::setWriteFault(fault);
    }
    ~ScopedWriteFault() { platform::setWriteFault(std::nullopt); }
    ScopedWriteFault(const ScopedWriteFault&) = delete;
    ScopedWriteFault& operator=(const ScopedWriteFault&) = delete;
};

}  // namespace qm::test
