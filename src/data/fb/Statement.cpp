#include "Statement.h"

#include "Attachment.h"
#include "Status.h"
#include "Transaction.h"

#include <cstring>
#include <tuple>

namespace rmnra::fb {
namespace {

const Client& clientOf(Transaction& t) {
    return t.attachment().client();
}

template <typename T> void put(unsigned char* p, T v) {
    std::memcpy(p, &v, sizeof v);
}
template <typename T> T get(const unsigned char* p) {
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

ISC_TIME toIscTime(const Time& t) {
    return ISC_TIME((t.hour * 3600 + t.minute * 60 + t.second) * 10000 + t.fraction);
}

Time fromIscTime(ISC_TIME v) {
    Time t;
    t.fraction = int(v % 10000);
    unsigned s = v / 10000;
    t.hour = int(s / 3600);
    t.minute = int(s / 60 % 60);
    t.second = int(s % 60);
    return t;
}

bool isTextType(unsigned type) {
    return type == SQL_TEXT || type == SQL_VARYING;
}

ColumnType columnType(unsigned type, int scale) {
    switch (type) {
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64:
        return scale < 0 ? ColumnType::Numeric : ColumnType::Integer;
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_D_FLOAT:
        return ColumnType::Double;
    case SQL_TYPE_DATE:
        return ColumnType::Date;
    case SQL_TYPE_TIME:
        return ColumnType::Time;
    case SQL_TIMESTAMP:
        return ColumnType::Timestamp;
    case SQL_TEXT:
    case SQL_VARYING:
        return ColumnType::Text;
    case SQL_BOOLEAN:
        return ColumnType::Boolean;
    case SQL_NULL:
        return ColumnType::Null;
    default:
        return ColumnType::Blob;
    }
}

Value readValue(Firebird::IMessageMetadata* meta, Firebird::CheckStatusWrapper* st, unsigned i,
                const unsigned char* msg) {
    if (get<short>(msg + meta->getNullOffset(st, i)))
        return {};
    const unsigned char* p = msg + meta->getOffset(st, i);
    unsigned type = meta->getType(st, i) & ~1u;
    int scale = meta->getScale(st, i);
    switch (type) {
    case SQL_SHORT: {
        int64_t v = get<int16_t>(p);
        return scale < 0 ? Value(Numeric{v, scale}) : Value(v);
    }
    case SQL_LONG: {
        int64_t v = get<int32_t>(p);
        return scale < 0 ? Value(Numeric{v, scale}) : Value(v);
    }
    case SQL_INT64: {
        int64_t v = get<int64_t>(p);
        return scale < 0 ? Value(Numeric{v, scale}) : Value(v);
    }
    case SQL_FLOAT:
        return Value(double(get<float>(p)));
    case SQL_DOUBLE:
    case SQL_D_FLOAT:
        return Value(get<double>(p));
    case SQL_TYPE_DATE:
        return Value(Date::fromModifiedJulianDay(get<ISC_DATE>(p)));
    case SQL_TYPE_TIME:
        return Value(fromIscTime(get<ISC_TIME>(p)));
    case SQL_TIMESTAMP: {
        auto ts = get<ISC_TIMESTAMP>(p);
        return Value(Timestamp{Date::fromModifiedJulianDay(ts.timestamp_date),
                               fromIscTime(ts.timestamp_time)});
    }
    case SQL_TEXT:
        return Value(std::string(reinterpret_cast<const char*>(p), meta->getLength(st, i)));
    case SQL_VARYING: {
        auto n = get<uint16_t>(p);
        return Value(std::string(reinterpret_cast<const char*>(p + 2), n));
    }
    case SQL_BOOLEAN:
        return Value(int64_t{*p != 0});
    case SQL_NULL:
        return {};
    default:
        return Value(SkippedBlob{});
    }
}

struct ParamShape {
    unsigned type = 0;
    unsigned length = 0;
    int scale = 0;
    unsigned charset = 0;
    bool operator==(const ParamShape&) const = default;
};

} // namespace

struct Statement::Input {
    std::vector<ParamShape> shape;
    Firebird::IMessageMetadata* meta = nullptr;
    std::vector<unsigned char> buffer;
    ~Input() {
        if (meta)
            meta->release();
    }
};

Statement::Statement(Transaction& transaction, const std::string& sql)
    : transaction_(&transaction), sql_(sql), raw_(nullptr), input_(std::make_unique<Input>()) {
    Attachment& att = transaction.attachment();
    Status st(att.client());
    raw_ = att.raw()->prepare(st.get(), transaction.raw(), 0, sql.c_str(),
                              unsigned(att.params().dialect),
                              Firebird::IStatement::PREPARE_PREFETCH_METADATA);
    st.check();
    try {
        inputMeta_ = raw_->getInputMetadata(st.get());
        st.check();
        outputMeta_ = raw_->getOutputMetadata(st.get());
        st.check();
        unsigned n = outputMeta_->getCount(st.get());
        st.check();
        for (unsigned i = 0; i < n; ++i) {
            Column c;
            c.name = outputMeta_->getAlias(st.get(), i);
            unsigned type = outputMeta_->getType(st.get(), i);
            c.nullable = (type & 1) != 0;
            c.scale = outputMeta_->getScale(st.get(), i);
            c.type = columnType(type & ~1u, c.scale);
            c.length = outputMeta_->getLength(st.get(), i);
            st.check();
            columns_.push_back(std::move(c));
        }
    } catch (...) {
        freeAll();
        throw;
    }
}

Statement::Statement(Statement&& other) noexcept
    : transaction_(other.transaction_), sql_(std::move(other.sql_)), raw_(other.raw_),
      inputMeta_(other.inputMeta_), outputMeta_(other.outputMeta_),
      columns_(std::move(other.columns_)), input_(std::move(other.input_)) {
    other.raw_ = nullptr;
    other.inputMeta_ = nullptr;
    other.outputMeta_ = nullptr;
}

Statement::~Statement() {
    freeAll();
}

void Statement::freeAll() noexcept {
    input_.reset();
    if (inputMeta_)
        inputMeta_->release();
    if (outputMeta_)
        outputMeta_->release();
    inputMeta_ = outputMeta_ = nullptr;
    if (raw_) {
        Status st(clientOf(*transaction_));
        raw_->free(st.get());
        if (st.failed())
            raw_->release();
        raw_ = nullptr;
    }
}

unsigned Statement::parameterCount() const {
    Status st(clientOf(*transaction_));
    unsigned n = inputMeta_->getCount(st.get());
    st.check();
    return n;
}

const std::vector<unsigned char>& Statement::bindInput(const std::vector<Value>& params) {
    const Client& client = clientOf(*transaction_);
    Status st(client);
    unsigned n = inputMeta_->getCount(st.get());
    st.check();
    if (params.size() != n)
        throw Error("O comando espera " + std::to_string(n) + " par\xE2metros e recebeu " +
                    std::to_string(params.size()) + ": " + sql_);
    std::vector<ParamShape> shape(n);
    for (unsigned i = 0; i < n; ++i) {
        unsigned serverType = inputMeta_->getType(st.get(), i) & ~1u;
        unsigned serverLength = inputMeta_->getLength(st.get(), i);
        unsigned serverCharset = inputMeta_->getCharSet(st.get(), i);
        st.check();
        ParamShape& s = shape[i];
        const Value& v = params[i];
        if (v.isNull()) {
            s = {serverType, serverLength, inputMeta_->getScale(st.get(), i), serverCharset};
        } else if (v.isInteger()) {
            s = {SQL_INT64, 8, 0, 0};
        } else if (v.isNumeric()) {
            s = {SQL_INT64, 8, v.numeric().scale, 0};
        } else if (v.isDouble()) {
            s = {SQL_DOUBLE, 8, 0, 0};
        } else if (v.isDate()) {
            s = {SQL_TYPE_DATE, 4, 0, 0};
        } else if (v.isTime()) {
            s = {SQL_TYPE_TIME, 4, 0, 0};
        } else if (v.isTimestamp()) {
            s = {SQL_TIMESTAMP, 8, 0, 0};
        } else if (v.isText()) {
            unsigned len = std::max<unsigned>(unsigned(v.text().size()), 1);
            if (isTextType(serverType))
                len = std::max(len, serverLength);
            s = {SQL_VARYING, len, 0, isTextType(serverType) ? serverCharset : 0};
        } else {
            throw Error("Um blob n\xE3o pode ser enviado como par\xE2metro: " + sql_);
        }
    }
    if (!input_->meta || shape != input_->shape) {
        auto* builder = inputMeta_->getBuilder(st.get());
        st.check();
        for (unsigned i = 0; i < n; ++i) {
            builder->setType(st.get(), i, shape[i].type + 1);
            builder->setLength(st.get(), i, shape[i].length);
            builder->setScale(st.get(), i, shape[i].scale);
            builder->setCharSet(st.get(), i, shape[i].charset);
        }
        auto* meta = st.failed() ? nullptr : builder->getMetadata(st.get());
        builder->release();
        st.check();
        if (input_->meta)
            input_->meta->release();
        input_->meta = meta;
        input_->shape = shape;
        input_->buffer.assign(meta->getMessageLength(st.get()), 0);
        st.check();
    }
    auto* meta = input_->meta;
    unsigned char* msg = input_->buffer.data();
    for (unsigned i = 0; i < n; ++i) {
        const Value& v = params[i];
        unsigned char* p = msg + meta->getOffset(st.get(), i);
        put<short>(msg + meta->getNullOffset(st.get(), i), v.isNull() ? -1 : 0);
        if (v.isNull())
            continue;
        if (v.isInteger())
            put<int64_t>(p, v.integer());
        else if (v.isNumeric())
            put<int64_t>(p, v.numeric().units);
        else if (v.isDouble())
            put<double>(p, v.real());
        else if (v.isDate())
            put<ISC_DATE>(p, v.date().modifiedJulianDay());
        else if (v.isTime())
            put<ISC_TIME>(p, toIscTime(v.time()));
        else if (v.isTimestamp())
            put<ISC_TIMESTAMP>(p, ISC_TIMESTAMP{v.timestamp().date.modifiedJulianDay(),
                                                toIscTime(v.timestamp().time)});
        else if (v.isText()) {
            put<uint16_t>(p, uint16_t(v.text().size()));
            std::memcpy(p + 2, v.text().data(), v.text().size());
        }
    }
    st.check();
    return input_->buffer;
}

unsigned Statement::execute(const std::vector<Value>& params) {
    const auto& buffer = bindInput(params);
    Status st(clientOf(*transaction_));
    raw_->execute(st.get(), transaction_->raw(), input_->meta,
                  const_cast<unsigned char*>(buffer.data()), nullptr, nullptr);
    st.check();
    auto n = raw_->getAffectedRecords(st.get());
    st.check();
    return unsigned(n);
}

ResultSet Statement::open(const std::vector<Value>& params) {
    const auto& buffer = bindInput(params);
    Status st(clientOf(*transaction_));
    auto* rs = raw_->openCursor(st.get(), transaction_->raw(), input_->meta,
                                const_cast<unsigned char*>(buffer.data()), outputMeta_, 0);
    st.check();
    return ResultSet(*this, rs);
}

std::vector<Row> Statement::fetchAll(const std::vector<Value>& params) {
    std::vector<Row> rows;
    ResultSet rs = open(params);
    while (rs.next())
        rows.push_back(rs.row());
    rs.close();
    return rows;
}

ResultSet::ResultSet(Statement& statement, Firebird::IResultSet* raw)
    : statement_(&statement), raw_(raw) {
    Status st(clientOf(*statement.transaction_));
    buffer_.assign(statement.outputMeta_->getMessageLength(st.get()), 0);
    st.check();
}

ResultSet::ResultSet(ResultSet&& other) noexcept
    : statement_(other.statement_), raw_(other.raw_), buffer_(std::move(other.buffer_)),
      row_(std::move(other.row_)) {
    other.raw_ = nullptr;
}

ResultSet::~ResultSet() {
    if (!raw_)
        return;
    Status st(clientOf(*statement_->transaction_));
    raw_->close(st.get());
    if (st.failed())
        raw_->release();
    raw_ = nullptr;
}

bool ResultSet::next() {
    if (!raw_)
        return false;
    Status st(clientOf(*statement_->transaction_));
    int r = raw_->fetchNext(st.get(), buffer_.data());
    st.check();
    if (r != Firebird::IStatus::RESULT_OK)
        return false;
    auto* meta = statement_->outputMeta_;
    size_t n = statement_->columns_.size();
    row_.resize(n);
    for (unsigned i = 0; i < n; ++i)
        row_[i] = readValue(meta, st.get(), i, buffer_.data());
    st.check();
    return true;
}

void ResultSet::close() {
    if (!raw_)
        return;
    Status st(clientOf(*statement_->transaction_));
    raw_->close(st.get());
    if (st.failed()) {
        Error e = st.error();
        raw_->release();
        raw_ = nullptr;
        throw e;
    }
    raw_ = nullptr;
}

} // namespace rmnra::fb
