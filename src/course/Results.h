#pragma once

#include "abacus/BeadRule.h"

#include <cstdint>
#include <string>
#include <vector>

// What an exercise hands on once something is finished: plain values, in
// UTF-8, with times as UTC seconds since 1970 from the program's clock. The
// exercise never learns whether anything keeps them. Every member has a
// default, so a result can be written naming only the members it sets.

// A run of 识珠学习 or 识珠练习 that ended with its summary.
struct BeadRunResult {
    std::string exercise{};  // the window's caption
    std::int64_t when = 0;  // the end of the run
    // The settings as read when the run ended: 出题数目, 每道题时间, 位数.
    double questionsAsked = 0;
    double secondsEach = 0;
    double digits = 0;
    double questions = 0;
    double right = 0;
    double score = 0;
    double durationSeconds = 0;
};

// One question of 加减训练, marked by 完成.
struct ColumnAnswerResult {
    std::int64_t when = 0;
    double first = 0;   // the operands and the answer as read from their boxes
    double second = 0;
    double answer = 0;
    bool right = false;
    std::string style{};  // the 出题类型 and 位数 selected, empty when none
    std::string range{};
    // The bead-rule groups the question's steps used, each once, in the order of BeadRule::Group.
    std::vector<BeadRule::Group> groups{};
    // From the 出题 (or the hand edit of an operand) to this 完成.
    double secondsToAnswer = 0;
};

// The settings of a mental-arithmetic set (闪电心算, 听心算).
struct MentalSettings {
    int digits = 1;
    int count = 2;      // 笔数: numbers per question
    bool mixed = false;  // 加减混合, else 只加
    int questions = 1;   // 题数
    double seconds = 0;  // 秒数 of a flash; 0 where numbers are not flashed
    std::string presentation{};  // 数字 or 珠像 for a flash, 慢, 中 or 快 for a voice
};

struct MentalQuestionResult {
    std::string exercise{};  // the window's caption
    std::int64_t when = 0;
    MentalSettings settings{};
    std::vector<std::int64_t> numbers{};  // in order; a subtracted number is negative
    double answer = 0;  // as read from the answer box
    std::int64_t rightAnswer = 0;
    bool right = false;
    double secondsToAnswer = 0;
};

struct MentalSetResult {
    std::string exercise{};
    std::int64_t when = 0;
    MentalSettings settings{};
    int questions = 0;
    int right = 0;
    double durationSeconds = 0;
};
