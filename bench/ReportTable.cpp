#include "ReportTable.h"

#include <cstdio>
#include <iomanip>
#include <sstream>

namespace {

constexpr int WhatWidth = 52;
constexpr int FigureWidth = 28;
constexpr int TargetWidth = 14;

std::string columns(const std::string& what, const std::string& figure, const std::string& target,
                    const std::string& verdict)
{
    std::ostringstream line;
    line << std::left << std::setw(WhatWidth) << what << ' ' << std::setw(FigureWidth) << figure << ' '
         << std::setw(TargetWidth) << target << ' ' << verdict;
    return line.str();
}

}  // namespace

void ReportTable::Section(const std::string& title)
{
    m_current = title;
    m_sections[title];
    std::fprintf(stderr, "measuring: %s\n", title.c_str());
}

void ReportTable::Row(const std::string& what, const std::string& figure, const std::string& target,
                      const std::string& verdict)
{
    m_sections[m_current].push_back(columns(what, figure, target, verdict));
}

void ReportTable::Headline(const std::string& text) { m_headlines.push_back(text); }

void ReportTable::Note(const std::string& text) { m_sections[m_current].push_back("   note: " + text); }

void ReportTable::Print() const
{
    for (const std::string& line : m_headlines)
        std::printf("%s\n", line.c_str());
    for (const auto& [title, lines] : m_sections) {
        std::printf("\n== %s\n%s\n", title.c_str(), columns("measurement", "figure", "target", "result").c_str());
        for (const std::string& line : lines)
            std::printf("%s\n", line.c_str());
    }
    std::fflush(stdout);
}

std::string ReportTable::AtMost(double figure, double limit) { return figure <= limit ? "ok" : "MISSED"; }

std::string ReportTable::Fixed(double value, int decimals)
{
    std::ostringstream text;
    text << std::fixed << std::setprecision(decimals) << value;
    return text.str();
}
