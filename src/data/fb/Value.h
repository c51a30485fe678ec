#pragma once

#include "common/Dates.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace rmnra::fb {

// An exact decimal as the database keeps numeric(p,s): units * 10^scale, scale <= 0.
struct Numeric {
    int64_t units = 0;
    int scale = 0;

    double toDouble() const;
    // The value at another scale, rounded half away from zero when digits are dropped.
    Numeric rescaled(int newScale) const;
    bool operator==(const Numeric& o) const;
};

// A blob column is never read; its place in a row holds this marker.
struct SkippedBlob {
    bool operator==(const SkippedBlob&) const = default;
};

// One typed value of a parameter or a result column. NULL is distinct from empty text.
// Text is Windows-1252 bytes, exactly as stored.
class Value {
public:
    using Variant = std::variant<std::monostate, int64_t, Numeric, double, Date, Time, Timestamp,
                                 std::string, SkippedBlob>;

    Value() = default;
    Value(std::nullptr_t) {}
    Value(int v) : v_(int64_t{v}) {}
    Value(int64_t v) : v_(v) {}
    Value(Numeric v) : v_(v) {}
    Value(double v) : v_(v) {}
    Value(const Date& v) : v_(v) {}
    Value(const Time& v) : v_(v) {}
    Value(const Timestamp& v) : v_(v) {}
    Value(std::string v) : v_(std::move(v)) {}
    Value(const char* v) : v_(std::string(v)) {}
    Value(SkippedBlob v) : v_(v) {}

    static Value null() { return {}; }

    bool isNull() const { return std::holds_alternative<std::monostate>(v_); }
    bool isBlob() const { return std::holds_alternative<SkippedBlob>(v_); }
    bool isText() const { return std::holds_alternative<std::string>(v_); }
    bool isInteger() const { return std::holds_alternative<int64_t>(v_); }
    bool isNumeric() const { return std::holds_alternative<Numeric>(v_); }
    bool isDouble() const { return std::holds_alternative<double>(v_); }
    bool isDate() const { return std::holds_alternative<Date>(v_); }
    bool isTime() const { return std::holds_alternative<Time>(v_); }
    bool isTimestamp() const { return std::holds_alternative<Timestamp>(v_); }

    // Typed reads; each throws std::bad_variant_access when the value holds another type.
    const std::string& text() const { return std::get<std::string>(v_); }
    int64_t integer() const { return std::get<int64_t>(v_); }
    const Numeric& numeric() const { return std::get<Numeric>(v_); }
    double real() const { return std::get<double>(v_); }
    const Date& date() const { return std::get<Date>(v_); }
    const Time& time() const { return std::get<Time>(v_); }
    const Timestamp& timestamp() const { return std::get<Timestamp>(v_); }

    // Lenient reads for callers that treat NULL as empty or zero.
    std::string textOr(const std::string& fallback = {}) const;
    // Integer of an integer, numeric (truncated towards zero) or double (truncated) value.
    int64_t integerOr(int64_t fallback = 0) const;
    // Any number as double.
    double realOr(double fallback = 0) const;

    const Variant& variant() const { return v_; }
    bool operator==(const Value& o) const { return v_ == o.v_; }

private:
    Variant v_;
};

using Row = std::vector<Value>;

} // namespace rmnra::fb
