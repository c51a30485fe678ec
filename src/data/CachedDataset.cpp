#include "CachedDataset.h"

#include "Connection.h"
#include "Schema.h"
#include "common/Text.h"
#include "fb/Error.h"
#include "fb/Transaction.h"

#include <algorithm>

namespace rmnra {
namespace {

const char* kSavepoint = "SAVEPOINT RMNRA_CHANGE";
const char* kReleaseSavepoint = "RELEASE SAVEPOINT RMNRA_CHANGE";
const char* kRollbackSavepoint = "ROLLBACK TO SAVEPOINT RMNRA_CHANGE";

} // namespace

CachedDataset::CachedDataset(Connection& connection, std::string name, std::string table,
                             RowLocation location, WriteBack writeBack)
    : connection_(&connection), name_(std::move(name)), table_(std::move(table)),
      location_(location), writeBack_(writeBack) {
    if (const TableDef* def = findTable(table_))
        key_ = def->key;
}

std::string CachedDataset::composeSelect(const std::string& columns, const std::string& table,
                                         const std::string& condition) {
    return "Select " + columns + " from " + table + condition;
}

void CachedDataset::setQuery(std::string sql, std::vector<fb::Value> params) {
    sql_ = std::move(sql);
    params_ = std::move(params);
}

void CachedDataset::open() {
    if (isOpen())
        return;
    fetch();
    log_.clear();
    cursor_ = 0;
    bof_ = true;
    eof_ = rows_.empty();
    state_ = DatasetState::Browse;
    if (!rows_.empty())
        scrolled();
}

void CachedDataset::fetch() {
    std::vector<fb::Row> rows;
    std::vector<fb::Column> columns;
    connection_->inTransaction([&](fb::Transaction& tr) {
        auto st = tr.prepare(sql_);
        columns = st.columns();
        rows = st.fetchAll(params_);
    });
    columns_ = std::move(columns);
    rows_.clear();
    rows_.reserve(rows.size());
    for (auto& r : rows) {
        CachedRow row{nextId_++, r, {}};
        row.read = std::move(r);
        rows_.push_back(std::move(row));
    }
}

void CachedDataset::close() {
    rows_.clear();
    log_.clear();
    buffer_.clear();
    cursor_ = 0;
    bof_ = eof_ = true;
    state_ = DatasetState::Inactive;
}

void CachedDataset::refresh() {
    requireOpen();
    postIfEditing();
    size_t position = cursor_;
    fetch();
    log_.clear();
    cursor_ = rows_.empty() ? 0 : std::min(position, rows_.size() - 1);
    bof_ = rows_.empty();
    eof_ = rows_.empty();
}

void CachedDataset::requireOpen() const {
    if (!isOpen())
        throw fb::Error("O conjunto de dados " + name_ + " est\xE1 fechado.");
}

void CachedDataset::requireBrowse(const char* what) {
    requireOpen();
    if (state_ != DatasetState::Browse)
        throw fb::Error(std::string("O conjunto de dados ") + name_ +
                        " n\xE3o est\xE1 em modo de consulta para " + what + ".");
}

void CachedDataset::postIfEditing() {
    if (state_ == DatasetState::Edit || state_ == DatasetState::Insert)
        post();
}

void CachedDataset::scrolled() {
    if (afterScroll)
        afterScroll(*this);
}

void CachedDataset::first() {
    requireOpen();
    postIfEditing();
    cursor_ = 0;
    bof_ = true;
    eof_ = rows_.empty();
    if (!rows_.empty())
        scrolled();
}

void CachedDataset::last() {
    requireOpen();
    postIfEditing();
    cursor_ = rows_.empty() ? 0 : rows_.size() - 1;
    bof_ = rows_.empty();
    eof_ = true;
    if (!rows_.empty())
        scrolled();
}

void CachedDataset::next() {
    requireOpen();
    postIfEditing();
    if (rows_.empty() || cursor_ + 1 >= rows_.size()) {
        eof_ = true;
        return;
    }
    ++cursor_;
    bof_ = false;
    eof_ = false;
    scrolled();
}

void CachedDataset::prior() {
    requireOpen();
    postIfEditing();
    if (cursor_ == 0) {
        bof_ = true;
        return;
    }
    --cursor_;
    bof_ = false;
    eof_ = false;
    scrolled();
}

void CachedDataset::moveTo(size_t index) {
    requireOpen();
    postIfEditing();
    if (index >= rows_.size())
        throw fb::Error("Posi\xE7\xE3o " + std::to_string(index) + " fora do conjunto de dados " +
                        name_ + ".");
    cursor_ = index;
    bof_ = index == 0;
    eof_ = false;
    scrolled();
}

int CachedDataset::fieldIndex(const std::string& name) const {
    for (size_t i = 0; i < columns_.size(); ++i)
        if (columns_[i].name == name)
            return int(i);
    return -1;
}

const fb::Row& CachedDataset::currentRow() const {
    requireOpen();
    if (state_ == DatasetState::Edit || state_ == DatasetState::Insert)
        return buffer_;
    if (rows_.empty())
        throw fb::Error("O conjunto de dados " + name_ + " est\xE1 vazio.");
    return rows_[cursor_].values;
}

const fb::Value& CachedDataset::field(size_t index) const {
    return currentRow().at(index);
}

const fb::Value& CachedDataset::field(const std::string& name) const {
    int i = fieldIndex(name);
    if (i < 0)
        throw fb::Error("Campo " + name + " n\xE3o encontrado em " + name_ + ".");
    return field(size_t(i));
}

void CachedDataset::setField(const std::string& name, fb::Value value) {
    if (state_ != DatasetState::Edit && state_ != DatasetState::Insert)
        throw fb::Error("O conjunto de dados " + name_ + " n\xE3o est\xE1 em edi\xE7\xE3o.");
    int i = fieldIndex(name);
    if (i < 0)
        throw fb::Error("Campo " + name + " n\xE3o encontrado em " + name_ + ".");
    const fb::Column& c = columns_[size_t(i)];
    if (value.isText() && c.type == fb::ColumnType::Text && c.length > 0)
        value = fb::Value(cutTo(value.text(), c.length));
    buffer_[size_t(i)] = std::move(value);
}

void CachedDataset::edit() {
    requireOpen();
    if (state_ != DatasetState::Browse)
        return;
    if (rows_.empty())
        throw fb::Error("O conjunto de dados " + name_ + " est\xE1 vazio.");
    buffer_ = rows_[cursor_].values;
    state_ = DatasetState::Edit;
}

void CachedDataset::insert() {
    requireOpen();
    postIfEditing();
    beginInsert(rows_.empty() ? 0 : cursor_);
}

void CachedDataset::append() {
    requireOpen();
    postIfEditing();
    beginInsert(rows_.size());
}

void CachedDataset::beginInsert(size_t at) {
    CachedRow row{nextId_++, fb::Row(columns_.size()), {}};
    rows_.insert(rows_.begin() + std::ptrdiff_t(at), row);
    cursor_ = at;
    bof_ = eof_ = false;
    buffer_ = row.values;
    state_ = DatasetState::Insert;
    if (afterInsert)
        afterInsert(*this);
}

void CachedDataset::cancel() {
    if (state_ == DatasetState::Insert) {
        rows_.erase(rows_.begin() + std::ptrdiff_t(cursor_));
        if (cursor_ > 0 && cursor_ >= rows_.size())
            --cursor_;
        eof_ = bof_ = rows_.empty();
    }
    if (state_ == DatasetState::Edit || state_ == DatasetState::Insert)
        state_ = DatasetState::Browse;
    buffer_.clear();
}

void CachedDataset::post() {
    requireOpen();
    if (state_ == DatasetState::Browse)
        return;
    CachedRow& row = rows_[cursor_];
    bool inserting = state_ == DatasetState::Insert;
    bool changed = inserting || buffer_ != row.values;
    row.values = std::move(buffer_);
    buffer_.clear();
    state_ = DatasetState::Browse;
    if (!changed)
        return;
    logChange({inserting ? ChangeKind::Insert : ChangeKind::Update, row, cursor_});
    if (writeBack_.afterPost)
        applyAndRefresh();
}

void CachedDataset::deleteRecord() {
    requireOpen();
    if (state_ == DatasetState::Insert) {
        cancel();
        return;
    }
    if (state_ == DatasetState::Edit)
        cancel();
    if (rows_.empty())
        throw fb::Error("O conjunto de dados " + name_ + " est\xE1 vazio.");
    CachedRow row = rows_[cursor_];
    rows_.erase(rows_.begin() + std::ptrdiff_t(cursor_));
    logChange({ChangeKind::Delete, row, cursor_});
    if (cursor_ > 0 && cursor_ >= rows_.size())
        --cursor_;
    eof_ = bof_ = rows_.empty();
    if (writeBack_.afterDelete)
        applyAndRefresh();
    else if (!rows_.empty())
        scrolled();
}

void CachedDataset::logChange(Change change) {
    // One entry per cached row: a row inserted and then changed is still one insert, and a
    // row inserted and then deleted never reaches the database.
    auto same = std::find_if(log_.begin(), log_.end(),
                             [&](const Change& c) { return c.row.id == change.row.id; });
    if (same == log_.end()) {
        log_.push_back(std::move(change));
        return;
    }
    if (same->kind == ChangeKind::Insert) {
        if (change.kind == ChangeKind::Delete)
            log_.erase(same);
        else
            same->row.values = change.row.values;
        return;
    }
    same->kind = change.kind;
    same->row.values = change.row.values;
    same->position = change.position;
}

size_t CachedDataset::indexOfId(uint64_t id) const {
    for (size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].id == id)
            return i;
    return rows_.size();
}

std::string CachedDataset::whereClause(const CachedRow& row, std::vector<fb::Value>& params) const {
    std::string where;
    for (size_t i = 0; i < columns_.size(); ++i) {
        const fb::Value& v = row.read.at(i);
        if (v.isBlob())
            continue;
        if (location_ == RowLocation::ByKey &&
            std::find(key_.begin(), key_.end(), columns_[i].name) == key_.end())
            continue;
        where += where.empty() ? " where " : " and ";
        if (v.isNull()) {
            where += columns_[i].name + " IS NULL";
        } else {
            where += columns_[i].name + " = ?";
            params.push_back(v);
        }
    }
    if (where.empty())
        throw fb::Error(
            "A tabela " + table_ +
            " n\xE3o tem chave: a altera\xE7\xE3o do registro n\xE3o pode ser gravada.");
    return where;
}

void CachedDataset::applyChange(fb::Transaction& tr, const Change& change) const {
    std::vector<fb::Value> params;
    std::string sql;
    if (change.kind == ChangeKind::Insert) {
        std::string names, marks;
        for (size_t i = 0; i < columns_.size(); ++i) {
            if (change.row.values[i].isBlob())
                continue;
            names += (names.empty() ? "" : ", ") + columns_[i].name;
            marks += marks.empty() ? "?" : ", ?";
            params.push_back(change.row.values[i]);
        }
        tr.execute("insert into " + table_ + " (" + names + ") values (" + marks + ")", params);
        return;
    }
    if (change.kind == ChangeKind::Update) {
        std::string sets;
        for (size_t i = 0; i < columns_.size(); ++i) {
            const fb::Value& v = change.row.values[i];
            if (v.isBlob() || v == change.row.read[i])
                continue;
            sets += (sets.empty() ? "" : ", ") + columns_[i].name + " = ?";
            params.push_back(v);
        }
        if (sets.empty())
            return;
        sql = "update " + table_ + " set " + sets;
    } else {
        sql = "delete from " + table_;
    }
    sql += whereClause(change.row, params);
    unsigned n = tr.execute(sql, params);
    if (n != 1)
        throw fb::Error(n == 0 ? "O registro n\xE3o foi encontrado na tabela " + table_ +
                                     ": foi alterado ou exclu\xED"
                                     "do por outro usu\xE1rio."
                               : "Mais de um registro da tabela " + table_ +
                                     " corresponde ao registro alterado.");
}

void CachedDataset::restore(const Change& change) {
    switch (change.kind) {
    case ChangeKind::Insert:
        if (size_t i = indexOfId(change.row.id); i < rows_.size())
            rows_.erase(rows_.begin() + std::ptrdiff_t(i));
        break;
    case ChangeKind::Update:
        if (size_t i = indexOfId(change.row.id); i < rows_.size())
            rows_[i].values = rows_[i].read;
        break;
    case ChangeKind::Delete: {
        CachedRow row = change.row;
        row.values = row.read;
        size_t at = std::min(change.position, rows_.size());
        rows_.insert(rows_.begin() + std::ptrdiff_t(at), std::move(row));
        cursor_ = at; // back on the row the caller tried to delete
        break;
    }
    }
    if (!rows_.empty() && cursor_ >= rows_.size())
        cursor_ = rows_.size() - 1;
    bof_ = eof_ = rows_.empty();
}

void CachedDataset::applyAndRefresh() {
    requireOpen();
    postIfEditing();
    std::vector<Change> changes = std::move(log_);
    log_.clear();
    std::vector<const Change*> refused;
    std::optional<fb::Error> firstError;
    try {
        auto tr = connection_->attachment().startTransaction();
        for (const Change& c : changes) {
            tr.execute(kSavepoint);
            try {
                applyChange(tr, c);
                tr.execute(kReleaseSavepoint);
            } catch (const fb::Error& e) {
                tr.execute(kRollbackSavepoint);
                refused.push_back(&c);
                if (!firstError)
                    firstError = e;
            }
        }
        tr.commit();
    } catch (const fb::Error& e) {
        // Nothing was written: every change is refused.
        refused.clear();
        for (const Change& c : changes)
            refused.push_back(&c);
        if (!firstError)
            firstError = e;
    }
    if (firstError) {
        // Later changes first, so positions of deleted rows come back in order.
        for (auto it = refused.rbegin(); it != refused.rend(); ++it)
            restore(**it);
        throw *firstError;
    }
    refresh();
}

} // namespace rmnra
