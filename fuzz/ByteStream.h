#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

// Reads the fuzzer's bytes front to back as the values a script needs; past
// the end every read gives zero, so any byte string is a complete script.
// Numbers come in several encodings so that the fuzzer reaches both the
// ordinary numbers a window passes and the odd ones (NaN, infinities, halves,
// the edges of the 32-bit range) without having to guess their bit patterns.
class ByteStream {
public:
    ByteStream(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    bool AtEnd() const { return m_pos >= m_size; }

    std::uint8_t Byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }

    std::int16_t Int16() { return Raw<std::int16_t>(); }

    double Number()
    {
        switch (Byte() % 4) {
        case 0:
            return Raw<double>();
        case 1:
            return Raw<std::int32_t>();
        case 2:
            return Pick(Interesting);
        default:
            return Raw<std::int16_t>() / 4.0;  // quarters and halves: how rounding goes
        }
    }

    // A coordinate: mostly between low and high at a resolution far finer
    // than a bead, sometimes any float at all.
    float Coordinate(double low, double high)
    {
        if (Byte() % 4 == 0)
            return Raw<float>();
        return static_cast<float>(low + Raw<std::uint16_t>() / 65535.0 * (high - low));
    }

private:
    template <typename T>
    T Raw()
    {
        unsigned char bytes[sizeof(T)] = {};
        for (unsigned char& byte : bytes)
            byte = Byte();
        T value;
        std::memcpy(&value, bytes, sizeof value);
        return value;
    }

    template <std::size_t N>
    double Pick(const double (&values)[N])
    {
        return values[Byte() % N];
    }

    static constexpr double Infinity = std::numeric_limits<double>::infinity();
    static constexpr double Interesting[] = {
        -1, 0, -0.0, 0.5, 1.5, 2.5, -0.5, -2.5, 4.5, 9, 10, 19.5, 99999, 99999.5, 100000,
        123456789, 987654321, 2147483647, 2147483647.5, 2147483648, -2147483647,
        -2147483648, -2147483648.5, 1e15, 1e300, Infinity, -Infinity,
        std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::denorm_min(),
    };

    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};
