#include "Transaction.h"

#include "Attachment.h"
#include "Statement.h"
#include "Status.h"

namespace rmnra::fb {

Transaction::Transaction(Attachment& attachment) : attachment_(&attachment), raw_(nullptr) {
    if (!attachment.isAttached())
        throw Error("A conex\xE3o com o banco de dados n\xE3o est\xE1 aberta.");
    const Client& client = attachment.client();
    XpbBuilder tpb(client, Firebird::IXpbBuilder::TPB);
    tpb.tag(isc_tpb_write);
    tpb.tag(isc_tpb_read_committed);
    tpb.tag(isc_tpb_rec_version);
    tpb.tag(isc_tpb_wait);
    Status st(client);
    raw_ = attachment.raw()->startTransaction(st.get(), tpb.length(), tpb.buffer());
    st.check();
}

Transaction::Transaction(Transaction&& other) noexcept
    : attachment_(other.attachment_), raw_(other.raw_) {
    other.raw_ = nullptr;
}

Transaction::~Transaction() {
    if (!raw_)
        return;
    Status st(attachment_->client());
    raw_->rollback(st.get());
    if (st.failed())
        raw_->release();
    raw_ = nullptr;
}

void Transaction::commit() {
    if (!raw_)
        throw Error("A transa\xE7\xE3o j\xE1 foi encerrada.");
    Status st(attachment_->client());
    raw_->commit(st.get());
    st.check(); // on failure the transaction stays open; the destructor rolls it back
    raw_ = nullptr;
}

void Transaction::rollback() {
    if (!raw_)
        return;
    Status st(attachment_->client());
    raw_->rollback(st.get());
    if (st.failed()) {
        Error e = st.error();
        raw_->release();
        raw_ = nullptr;
        throw e;
    }
    raw_ = nullptr;
}

Firebird::ITransaction* Transaction::raw() const {
    if (!raw_)
        throw Error("A transa\xE7\xE3o j\xE1 foi encerrada.");
    return raw_;
}

Statement Transaction::prepare(const std::string& sql) {
    return Statement(*this, sql);
}

unsigned Transaction::execute(const std::string& sql, const std::vector<Value>& params) {
    Statement s(*this, sql);
    return s.execute(params);
}

std::vector<Row> Transaction::query(const std::string& sql, const std::vector<Value>& params) {
    Statement s(*this, sql);
    return s.fetchAll(params);
}

} // namespace rmnra::fb
