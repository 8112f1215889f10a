#pragma once

#include <map>
#include <string>
#include <vector>

// The figures as a plain-text table. Sections are measured in whatever order
// keeps them apart (memory first) and printed in the order of their titles.
class ReportTable {
public:
    // Starts a section; its title begins with its number ("1.", "3b.").
    void Section(const std::string& title);
    // target and verdict may be empty for figures without a target.
    void Row(const std::string& what, const std::string& figure, const std::string& target = {},
             const std::string& verdict = {});
    // A line above every section.
    void Headline(const std::string& text);
    // A note under the current section's rows so far.
    void Note(const std::string& text);
    void Print() const;

    // "ok" or "MISSED", for a figure that must stay at or below its limit.
    static std::string AtMost(double figure, double limit);
    static std::string Fixed(double value, int decimals);

private:
    std::vector<std::string> m_headlines;
    std::map<std::string, std::vector<std::string>> m_sections;
    std::string m_current;
};
