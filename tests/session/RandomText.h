#pragma once

#include <QString>

#include <random>

// What a child (or a cat on the keyboard) might type into an entry box:
// numbers in every form the number-reading rule knows, numbers too large
// for the abacus, letters, blanks, Chinese characters, full-width digits,
// and now and then a very long string.
class RandomText {
public:
    explicit RandomText(std::mt19937& rng)
        : m_rng(rng)
    {
    }

    QString next();

private:
    QString piece();
    QString digits(int most);
    QString pickFrom(const QString& characters, int count);
    QString longString();
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }

    std::mt19937& m_rng;
};
