#include "Attachment.h"

#include "Status.h"
#include "Transaction.h"

#include <cstdlib>

namespace rmnra::fb {
namespace {

std::string environmentOr(const char* name, const std::string& fallback) {
    const char* v = std::getenv(name);
    return v && *v ? std::string(v) : fallback;
}

void fillDpb(XpbBuilder& dpb, const ConnectionParams& p) {
    dpb.string(isc_dpb_user_name, p.user);
    dpb.string(isc_dpb_password, p.password);
    if (!p.role.empty())
        dpb.string(isc_dpb_sql_role_name, p.role);
    dpb.string(isc_dpb_lc_ctype, p.charset);
    dpb.integer(isc_dpb_sql_dialect, p.dialect);
}

} // namespace

ConnectionParams ConnectionParams::forDatabase(const std::string& database,
                                               const std::string& charset) {
    ConnectionParams p;
    p.database = database;
    p.charset = charset;
    p.user = environmentOr("ISC_USER", p.user);
    p.password = environmentOr("ISC_PASSWORD", p.password);
    return p;
}

Attachment Attachment::attach(const Client& client, const ConnectionParams& params) {
    XpbBuilder dpb(client, Firebird::IXpbBuilder::DPB);
    fillDpb(dpb, params);
    Status st(client);
    auto* raw = client.dispatcher()->attachDatabase(st.get(), params.database.c_str(), dpb.length(),
                                                    dpb.buffer());
    st.check();
    return Attachment(client, params, raw);
}

Attachment Attachment::create(const Client& client, const ConnectionParams& params) {
    XpbBuilder dpb(client, Firebird::IXpbBuilder::DPB);
    fillDpb(dpb, params);
    dpb.integer(isc_dpb_page_size, 8192);
    dpb.string(isc_dpb_set_db_charset, "NONE");
    dpb.integer(isc_dpb_force_write, params.forcedWrites ? 1 : 0);
    Status st(client);
    auto* raw = client.dispatcher()->createDatabase(st.get(), params.database.c_str(), dpb.length(),
                                                    dpb.buffer());
    st.check();
    return Attachment(client, params, raw);
}

Attachment::Attachment(const Client& client, ConnectionParams params, Firebird::IAttachment* raw)
    : client_(&client), params_(std::move(params)), raw_(raw) {}

Attachment::Attachment(Attachment&& other) noexcept
    : client_(other.client_), params_(std::move(other.params_)), raw_(other.raw_) {
    other.raw_ = nullptr;
}

Attachment& Attachment::operator=(Attachment&& other) noexcept {
    if (this != &other) {
        releaseQuietly();
        client_ = other.client_;
        params_ = std::move(other.params_);
        raw_ = other.raw_;
        other.raw_ = nullptr;
    }
    return *this;
}

Attachment::~Attachment() {
    releaseQuietly();
}

void Attachment::releaseQuietly() {
    if (!raw_)
        return;
    Status st(*client_);
    raw_->detach(st.get());
    // A successful detach releases the interface; only a failed one leaves it to us.
    if (st.failed())
        raw_->release();
    raw_ = nullptr;
}

void Attachment::detach() {
    if (!raw_)
        return;
    Status st(*client_);
    raw_->detach(st.get());
    if (st.failed()) {
        Error e = st.error();
        raw_->release();
        raw_ = nullptr;
        throw e;
    }
    raw_ = nullptr;
}

bool Attachment::ping() {
    if (!raw_)
        return false;
    Status st(*client_);
    raw_->ping(st.get());
    return !st.failed();
}

Transaction Attachment::startTransaction() {
    return Transaction(*this);
}

void Attachment::executeImmediate(const std::string& sql) {
    Transaction tr(*this);
    tr.execute(sql);
    tr.commit();
}

} // namespace rmnra::fb
