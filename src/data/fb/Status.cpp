#include "Status.h"

#include <cstring>

namespace rmnra::fb {
namespace {

// SQLSTATE of the error codes this program meets. Firebird 3 servers do not send the
// SQLSTATE in the status vector, and the client derives it from a table of its own that
// only a second exported function reaches; the codes that matter here are few.
const char* sqlStateOf(intptr_t code) {
    switch (code) {
    case 335544665: // unique key violation
    case 335544466: // foreign key violation
    case 335544347: // validation error (not null)
    case 335544558: // check constraint
        return "23000";
    case 335544345: // lock conflict
    case 335544336: // deadlock
    case 335544878: // concurrent transaction
        return "40001";
    case 335544321: // arithmetic exception, numeric value out of range or string truncation
        return "22000";
    case 335544914: // string right truncation
        return "22001";
    case 335544569: // dynamic SQL error
    case 335544634: // token unknown
        return "42000";
    case 335544580: // table unknown
        return "42S02";
    case 335544578: // column unknown
        return "42S22";
    case 335544344: // I/O error (database file)
    case 335544375: // unavailable database
        return "08001";
    case 335544721: // network error
        return "08006";
    case 335544472: // wrong user name or password
        return "28000";
    default:
        return nullptr;
    }
}

} // namespace

Status::Status(const Client& client)
    : client_(client), status_(client.master()->getStatus()), wrapper_(status_) {}

Status::~Status() {
    status_->dispose();
}

bool Status::failed() const {
    return (wrapper_.getState() & Firebird::IStatus::STATE_ERRORS) != 0;
}

void Status::check() {
    if (failed())
        throw error();
    wrapper_.init();
}

Error Status::error() const {
    auto* st = const_cast<Firebird::CheckStatusWrapper*>(&wrapper_);
    char buffer[4096];
    unsigned n = client_.util()->formatStatus(buffer, sizeof buffer - 1, st);
    std::string message(buffer, std::min<unsigned>(n, sizeof buffer - 1));
    while (!message.empty() && (message.back() == '\n' || message.back() == '\0'))
        message.pop_back();
    long code = 0;
    std::string sqlState;
    bool sentByServer = false;
    const intptr_t* v = st->getErrors();
    while (v && *v != isc_arg_end) {
        intptr_t kind = v[0];
        if (kind == isc_arg_gds) {
            if (code == 0)
                code = long(v[1]);
            // The later codes of a vector are the more specific ones.
            if (const char* s = sqlStateOf(v[1]); s && !sentByServer)
                sqlState = s;
        } else if (kind == isc_arg_sql_state) {
            sqlState = reinterpret_cast<const char*>(v[1]);
            sentByServer = true;
        }
        v += kind == isc_arg_cstring ? 3 : 2;
    }
    if (message.empty())
        message = "Erro do banco de dados " + std::to_string(code);
    return Error(message, code, sqlState);
}

XpbBuilder::XpbBuilder(const Client& client, unsigned kind, const unsigned char* buf, unsigned len)
    : status_(client), builder_(client.util()->getXpbBuilder(status_.get(), kind, buf, len)) {
    status_.check();
}

XpbBuilder::~XpbBuilder() {
    builder_->dispose();
}

void XpbBuilder::tag(unsigned char t) {
    builder_->insertTag(status_.get(), t);
    status_.check();
}

void XpbBuilder::integer(unsigned char t, int value) {
    builder_->insertInt(status_.get(), t, value);
    status_.check();
}

void XpbBuilder::string(unsigned char t, const std::string& value) {
    builder_->insertString(status_.get(), t, value.c_str());
    status_.check();
}

const unsigned char* XpbBuilder::buffer() {
    auto* b = builder_->getBuffer(status_.get());
    status_.check();
    return b;
}

unsigned XpbBuilder::length() {
    unsigned n = builder_->getBufferLength(status_.get());
    status_.check();
    return n;
}

} // namespace rmnra::fb
