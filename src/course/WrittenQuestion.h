#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A question written out with its answer, in UTF-8, once it has been
// answered: "305 + 412 − 67 = 650". The numbers in order, a subtracted one
// negative; minus is the typographic sign, as under a flashed number.
std::string WrittenQuestion(const std::vector<std::int64_t>& numbers);
