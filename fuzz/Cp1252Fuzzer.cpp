// Windows-1252 conversions: any byte string survives UTF-8 and QString and back; UTF-8 is
// accepted only in its one shortest spelling; QString text always comes down to one byte a
// character.
#include "common/Cp1252.h"
#include "reports/QtText.h"

#include <QList>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "cp1252 fuzzer: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    // The bytes as Windows-1252 text.
    const std::string utf8 = rmnra::cp1252ToUtf8(bytes);
    const auto back = rmnra::utf8ToCp1252(utf8);
    check(back && *back == bytes, "Windows-1252 -> UTF-8 -> Windows-1252 changed the text");
    const QString q = rmnra::toQString(bytes);
    check(q.size() == static_cast<qsizetype>(bytes.size()), "one QChar per byte");
    const auto exact = rmnra::fromQStringExact(q);
    check(exact && *exact == bytes, "QString round trip changed the text");
    check(rmnra::fromQString(q) == bytes, "lenient QString round trip changed the text");

    // The bytes as UTF-8 text.
    const auto down = rmnra::utf8ToCp1252(bytes);
    if (down) {
        check(rmnra::cp1252ToUtf8(*down) == bytes, "UTF-8 accepted in a second spelling");
        check(down->size() <= bytes.size(), "conversion grew the text");
    }
    const QString fromUtf8 = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    const std::string lenient = rmnra::fromQString(fromUtf8);
    check(lenient.size() == static_cast<std::size_t>(fromUtf8.toUcs4().size()),
          "lenient conversion is not one byte a character");
    if (down)
        check(lenient == *down, "lenient and exact conversions differ on valid text");
    return 0;
}
