#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What is read aloud for a question of listening arithmetic, in UTF-8:
// "预备——开始，三百零五，加四百一十二，减六十七，等于". The numbers come in
// order with their signs, a subtracted one negative; each after the first is
// said with 加 or 减, so that two subtractions in a row are each heard as such.
// A first number below zero is said with 减 as well.
std::string SpokenQuestion(const std::vector<std::int64_t>& numbers);
