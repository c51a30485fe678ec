#pragma once

#include <csignal>
#include <sys/resource.h>

namespace rmnra::test {

// While it lives, no file of this process grows beyond `bytes`: a write past the limit fails
// with EFBIG, as a full disk would fail it, and the signal the kernel sends is ignored.
// Throw-away folders only: the embedded database engine of the process is limited as well.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limited = old_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*oldHandler_)(int) = SIG_DFL;
};

} // namespace rmnra::test
