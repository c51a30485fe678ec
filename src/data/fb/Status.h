#pragma once

// Internal to the wrapper: the one place that includes the client library's interfaces.
#include "Client.h"
#include "Error.h"

#include <firebird/Interface.h>

namespace rmnra::fb {

// A status vector owned for one call sequence: dispose()d at the end, checked after each
// call, turned into fb::Error on failure.
class Status {
public:
    explicit Status(const Client& client);
    ~Status();
    Status(const Status&) = delete;
    Status& operator=(const Status&) = delete;

    Firebird::CheckStatusWrapper* get() { return &wrapper_; }
    bool failed() const;
    // Throws fb::Error carrying the status when the last call failed; clears it otherwise.
    void check();
    Error error() const;

private:
    const Client& client_;
    Firebird::IStatus* status_;
    Firebird::CheckStatusWrapper wrapper_;
};

// An XPB builder (DPB, TPB) that is dispose()d at the end.
class XpbBuilder {
public:
    XpbBuilder(const Client& client, unsigned kind, const unsigned char* buf = nullptr,
               unsigned len = 0);
    ~XpbBuilder();
    XpbBuilder(const XpbBuilder&) = delete;
    XpbBuilder& operator=(const XpbBuilder&) = delete;

    void tag(unsigned char t);
    void integer(unsigned char t, int value);
    void string(unsigned char t, const std::string& value);
    const unsigned char* buffer();
    unsigned length();

private:
    Status status_;
    Firebird::IXpbBuilder* builder_;
};

} // namespace rmnra::fb
