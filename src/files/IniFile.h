// IniFile.h — the data file as sections of KEY=VALUE lines: the whole-file table the section
// readers look values up in, and the single-value reader of the header check.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace kelpie {

struct IniSection
{
    std::string Name;                                        // upper case, trimmed
    std::vector<std::pair<std::string, std::string>> Pairs;  // key upper case; value without one "#"
};

// Every section in file order, duplicates kept.
class SectionTable
{
public:
    void AddSection(std::string name);
    void AddPair(std::string key, std::string value);  // to the last section added

    int SectionCount() const { return static_cast<int>(m_sections.size()); }
    const std::vector<IniSection>& Sections() const { return m_sections; }
    bool HasSection(std::string_view section) const;

    // The value of the first pair with this key in the sections of this name, in file order;
    // section and key are compared in upper case. Empty when there is none.
    std::string GetValue(std::string_view section, std::string_view key) const;
    // The same, but nothing when no section of that name holds the key.
    std::optional<std::string> FindValue(std::string_view section, std::string_view key) const;

private:
    std::vector<IniSection> m_sections;
    std::unordered_map<std::string, std::vector<int>> m_byName;  // section indexes by name
};

// The file's text as a section table: lines outside a section are ignored, a pair needs "=" at
// its second character or later, and a line without "=" that holds "[" ends the section.
SectionTable FileReadIni(std::string_view text);

// One value straight from the file's text, as the system's initialisation-file reader gives it:
// section and key in any case, the text after the first "=" trimmed and cut to 127 characters,
// empty when missing; one leading "#" is dropped.
std::string ReadIniValue(std::string_view text, std::string_view section, std::string_view key);

// Blanks and tabs removed at both ends.
std::string_view TrimBlanks(std::string_view text);

// The value as the readers keep it: trimmed, then one leading "#" dropped.
std::string_view StoredValue(std::string_view text);

}  // namespace kelpie
