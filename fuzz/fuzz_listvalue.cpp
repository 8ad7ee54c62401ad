// Fuzzes the one reader of a list's value against a second reader written another way: a regular
// expression picks the leading number, the C library converts it, and the result is rounded half
// to even and clamped to the 16-bit range. Any text a pupil can type must give the same value,
// and the reader must leave the process's rounding mode as it found it.

#include "relation/listvalue.h"
#include "tests/referencelistvalue.h"

#include <QString>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

[[noreturn]] void fail(const char *what, const QString &text, int got, int expected)
{
    std::fprintf(stderr, "listvalue: %s for \"%s\": got %d, expected %d\n", what,
                 text.left(200).toUtf8().constData(), got, expected);
    std::abort();
}

void check(const QString &text, int mode)
{
    std::fesetround(mode);
    const int got = readListValue(text);
    if (std::fegetround() != mode)
        fail("rounding mode changed", text, std::fegetround(), mode);
    std::fesetround(FE_TONEAREST);
    const int expected = referenceListValue(text, FE_TONEAREST);
    // The lesson never leaves round-to-nearest. Under another mode the C library's conversion of
    // a long fraction may land on the other side of a half; the rounding of the half itself must
    // still go to the even neighbour.
    if (got != expected && (mode == FE_TONEAREST || got != referenceListValue(text, mode)))
        fail("value differs", text, got, expected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    static const int modes[] = {FE_TONEAREST, FE_DOWNWARD, FE_UPWARD, FE_TOWARDZERO};
    const int mode = modes[data[0] & 3];
    const bool utf16 = data[0] & 4;
    ++data;
    --size;
    // As UTF-8 the fuzzer reaches ordinary typed text quickly; as UTF-16 code units it also
    // reaches lone surrogates and every other character a paste can bring.
    QString text;
    if (utf16) {
        text.resize(qsizetype(size / 2));
        std::memcpy(text.data(), data, size / 2 * 2);
    } else {
        text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    }
    check(text, mode);
    return 0;
}
