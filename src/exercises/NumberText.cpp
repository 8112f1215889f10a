#include "exercises/NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <limits>
#include <string>
#include <string_view>

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\u3000'; }

int DigitValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return std::numeric_limits<int>::max();
}

// Walks the text as if its blanks were not there; it only moves forward, so
// reading takes one pass however long or blank the text is.
class Cursor {
public:
    explicit Cursor(QStringView text) : m_text(text) {}

    bool Take(char16_t c)
    {
        const bool match = Peek() == c;
        m_pos += match ? 1 : 0;
        return match;
    }
    // ASCII letters only: a full-width H is no prefix.
    bool TakeLetter(char16_t upper) { return Take(upper) || Take(upper + (u'a' - u'A')); }
    // The digit taken, or -1 when the next character is no digit of this radix.
    int TakeDigit(int radix)
    {
        const int digit = DigitValue(Peek());
        if (digit >= radix)
            return -1;
        ++m_pos;
        return digit;
    }

private:
    // 0 at the end; an embedded NUL stops the reading just the same.
    char16_t Peek()
    {
        while (m_pos < m_text.size() && IsBlank(m_text[m_pos].unicode()))
            ++m_pos;
        return m_pos < m_text.size() ? m_text[m_pos].unicode() : u'\0';
    }

    QStringView m_text;
    qsizetype m_pos = 0;
};

bool ReadSign(Cursor& cursor)
{
    if (cursor.Take(u'-'))
        return true;
    cursor.Take(u'+');
    return false;
}

// A classic &H or &O literal is a 16-bit value when it fits 16 bits and a
// 32-bit one when it fits 32; past that it was an overflow error, and here it
// reads as 0 like every other entry that holds no usable number.
double ReadRadix(Cursor& cursor, int radix)
{
    std::uint64_t value = 0;
    for (int digit = cursor.TakeDigit(radix); digit >= 0; digit = cursor.TakeDigit(radix)) {
        value = value * static_cast<unsigned>(radix) + static_cast<unsigned>(digit);
        if (value > 0xFFFF'FFFFu)
            return 0;
    }
    if (value <= 0xFFFFu)
        return static_cast<std::int16_t>(value);
    return static_cast<std::int32_t>(value);
}

double ReadPrefixed(Cursor& cursor)
{
    if (cursor.TakeLetter(u'H'))
        return ReadRadix(cursor, 16);
    if (cursor.TakeLetter(u'O'))
        return ReadRadix(cursor, 8);
    return 0;
}

// Correct rounding of any decimal text to a double needs at most 767
// significant digits; the digits after those matter only through whether
// any of them is non-zero, which one more digit 1 stands for.
constexpr std::size_t KeptDigits = 800;

// The significant digits of the text and their power of ten: value = digits × 10^scale.
struct Mantissa {
    std::string digits;
    std::int64_t scale = 0;
    bool droppedNonZero = false;

    void AddIntegerDigit(int digit)
    {
        if (digits.empty() && digit == 0)
            return;
        if (digits.size() < KeptDigits)
            digits.push_back(static_cast<char>('0' + digit));
        else
            Drop(digit, 1);
    }
    void AddFractionDigit(int digit)
    {
        if (digits.size() >= KeptDigits) {
            Drop(digit, 0);
            return;
        }
        --scale;
        if (!digits.empty() || digit != 0)
            digits.push_back(static_cast<char>('0' + digit));
    }
    void Drop(int digit, int scaleStep)
    {
        scale += scaleStep;
        droppedNonZero = droppedNonZero || digit != 0;
    }
};

// Far beyond any power that a text can still bring back into the range of a
// double, even a text billions of digits long, and far from integer overflow.
constexpr std::int64_t ExponentLimit = 1'000'000'000'000'000;

std::int64_t ReadExponent(Cursor& cursor)
{
    if (!cursor.TakeLetter(u'E') && !cursor.TakeLetter(u'D'))
        return 0;
    const bool negative = ReadSign(cursor);
    std::int64_t exponent = 0;
    for (int digit = cursor.TakeDigit(10); digit >= 0; digit = cursor.TakeDigit(10))
        exponent = std::min(exponent * 10 + digit, ExponentLimit);
    return negative ? -exponent : exponent;
}

double ToDouble(Mantissa mantissa, std::int64_t exponent)
{
    // Zeros, a lone point, or an exponent without digits before it ("e5").
    if (mantissa.digits.empty())
        return 0;
    if (mantissa.droppedNonZero) {
        mantissa.digits.push_back('1');
        --mantissa.scale;
    }
    // With at most 801 digits, any power beyond these bounds gives 0 or overflows.
    const std::int64_t power = std::clamp<std::int64_t>(mantissa.scale + exponent, -100'000, 100'000);
    const std::string text = mantissa.digits + 'e' + std::to_string(power);
    // The text has no decimal point, so the locale's choice of one cannot matter.
    const double value = std::strtod(text.c_str(), nullptr);
    return std::isinf(value) ? std::numeric_limits<double>::max() : value;
}

double ReadDecimal(Cursor& cursor)
{
    Mantissa mantissa;
    for (int digit = cursor.TakeDigit(10); digit >= 0; digit = cursor.TakeDigit(10))
        mantissa.AddIntegerDigit(digit);
    if (cursor.Take(u'.')) {
        for (int digit = cursor.TakeDigit(10); digit >= 0; digit = cursor.TakeDigit(10))
            mantissa.AddFractionDigit(digit);
    }
    return ToDouble(mantissa, ReadExponent(cursor));
}

// A value written as d.ddd × 10^exponent, trailing zeros of the digits dropped.
struct Scientific {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

Scientific Split(std::string_view text)
{
    Scientific number;
    number.negative = text.front() == '-';
    text.remove_prefix(number.negative ? 1 : 0);
    const auto e = text.find('e');
    std::ranges::copy_if(text.substr(0, e), std::back_inserter(number.digits), [](char c) { return c != '.'; });
    while (number.digits.size() > 1 && number.digits.back() == '0')
        number.digits.pop_back();
    number.exponent = std::stoi(std::string(text.substr(e + 1)));
    return number;
}

QString Plain(const Scientific& number)
{
    const auto count = static_cast<std::ptrdiff_t>(number.digits.size());
    const std::ptrdiff_t point = number.exponent + 1;  // digits before the decimal point
    std::string text = number.negative ? "-" : "";
    if (point <= 0)
        text += "0." + std::string(static_cast<std::size_t>(-point), '0') + number.digits;
    else if (point >= count)
        text += number.digits + std::string(static_cast<std::size_t>(point - count), '0');
    else
        text += number.digits.substr(0, static_cast<std::size_t>(point)) + '.'
            + number.digits.substr(static_cast<std::size_t>(point));
    return QString::fromLatin1(text);
}

QString NonFiniteText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("nan");
    return value < 0 ? QStringLiteral("-inf") : QStringLiteral("inf");
}

}  // namespace

double ReadNumber(QStringView text)
{
    Cursor cursor(text);
    if (cursor.Take(u'&'))
        return ReadPrefixed(cursor);
    const bool negative = ReadSign(cursor);
    const double magnitude = ReadDecimal(cursor);
    // "-0" and negatives too small for a double read as plain 0.
    return negative && magnitude != 0 ? -magnitude : magnitude;
}

QString NumberText(double value)
{
    if (!std::isfinite(value))
        return NonFiniteText(value);
    if (value == 0)
        return QStringLiteral("0");
    std::array<char, 40> buffer{};
    char* const first = buffer.data();
    char* const last = first + buffer.size();
    const auto written = value == std::trunc(value)
        ? std::to_chars(first, last, value, std::chars_format::scientific)
        : std::to_chars(first, last, value, std::chars_format::scientific, 14);
    return Plain(Split(std::string_view(first, written.ptr)));
}
