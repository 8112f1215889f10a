// Feeds arbitrary bytes to the number-reading rule, as UTF-8 text and as raw
// UTF-16, and arbitrary doubles to the number-writing rule, and checks what
// every entry box of the program relies on.
#include "exercises/NumberText.h"

#include <QString>
#include <QStringView>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace {

[[noreturn]] void Fail(const char* what, QStringView text)
{
    std::fprintf(stderr, "%s: \"%s\"\n", what, text.toUtf8().constData());
    std::abort();
}

bool IsBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\u3000'; }

QString WithoutBlanks(QStringView text)
{
    QString kept;
    for (const QChar c : text) {
        if (!IsBlank(c))
            kept += c;
    }
    return kept;
}

// Plain ASCII decimal syntax, the only kind strtod and ReadNumber both read
// whole: sign, digits with an optional point, an optional E or D exponent.
bool IsPlainDecimal(const std::string& s)
{
    std::size_t i = s.empty() || (s[0] != '+' && s[0] != '-') ? 0 : 1;
    const auto digits = [&s, &i] {
        const std::size_t start = i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9')
            ++i;
        return i - start;
    };
    std::size_t mantissaDigits = digits();
    if (i < s.size() && s[i] == '.') {
        ++i;
        mantissaDigits += digits();
    }
    if (mantissaDigits == 0)
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        if (digits() == 0)
            return false;
    }
    return i == s.size();
}

// The C library's reading, mapped the way ReadNumber promises to map it.
double ReferenceReading(std::string s)
{
    std::ranges::replace(s, 'd', 'e');
    std::ranges::replace(s, 'D', 'e');
    const double value = std::strtod(s.c_str(), nullptr);
    if (std::isinf(value))
        return std::copysign(std::numeric_limits<double>::max(), value);
    return value == 0 ? 0.0 : value;
}

void CheckWriting(double value);

void CheckReading(QStringView text)
{
    const double value = ReadNumber(text);
    if (!std::isfinite(value))
        Fail("not a finite number", text);
    if (value == 0 && std::signbit(value))
        Fail("negative zero", text);
    const QString compact = WithoutBlanks(text);
    if (ReadNumber(compact) != value)
        Fail("blanks changed the number", text);
    // A character that can continue no number ends the reading where it stands.
    if (ReadNumber(compact + u'\u6570') != value || ReadNumber(compact + u'x') != value)
        Fail("a trailing letter changed the number", text);
    const std::string ascii = compact.toStdString();
    if (ascii.size() < 400 && IsPlainDecimal(ascii) && ReferenceReading(ascii) != value)
        Fail("differs from strtod", text);
    CheckWriting(value);
}

void CheckWriting(double value)
{
    const QString text = NumberText(value);
    if (!std::isfinite(value))
        return;
    const bool plain = std::ranges::all_of(text, [](QChar c) { return c == u'-' || c == u'.' || (c >= u'0' && c <= u'9'); });
    if (!plain || text.isEmpty() || text.front() == u'.' || text.back() == u'.')
        Fail("not plain decimal text", text);
    const double back = ReadNumber(text);
    const bool whole = value == std::trunc(value);
    const double tolerance =
        whole ? 0 : std::abs(value) * 1e-14 + std::numeric_limits<double>::denorm_min();
    // Negative zero is written "0" and reads back as plain zero.
    if (std::abs(back - value) > tolerance)
        Fail("does not read back as the number written", text);
    if (NumberText(back) != text)
        Fail("writing the number read back changed the text", text);
}

double DoubleAt(const std::uint8_t* data, std::size_t size)
{
    unsigned char bytes[sizeof(double)] = {};
    std::memcpy(bytes, data, std::min(size, sizeof bytes));
    double value = 0;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto length = static_cast<qsizetype>(size);
    CheckReading(QString::fromUtf8(reinterpret_cast<const char*>(data), length));
    std::u16string units(size / 2, u'\0');
    std::memcpy(units.data(), data, units.size() * sizeof(char16_t));
    CheckReading(QStringView(units));
    CheckWriting(DoubleAt(data, size));
    return 0;
}
