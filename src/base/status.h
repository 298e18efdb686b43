#pragma once

#include <string>
#include <utility>

namespace zrv {

// The outcome of an operation that can fail: empty error on success, otherwise a German
// message for the user.
struct Status {
    std::string error;

    bool ok() const { return error.empty(); }
    static Status success() { return {}; }
    static Status failure(std::string message) { return Status{std::move(message)}; }
};

}  // namespace zrv
