#include "files/IniFile.h"

#include "files/FileAccess.h"

namespace kelpie {

namespace {

constexpr std::size_t kIniValueLimit = 127;
// What the system's reader answers for a missing key; a stored value of that text reads as missing too.
constexpr std::string_view kMissingMarker = "<NONE>";

// Lines end at LF; a CR before it belongs to the line end too.
class LineReader
{
public:
    explicit LineReader(std::string_view text) : m_text(text) {}

    bool AtEnd() const { return m_position >= m_text.size(); }

    std::string_view Next()
    {
        const std::size_t end = m_text.find('\n', m_position);
        std::string_view line =
            m_text.substr(m_position, end == std::string_view::npos ? m_text.npos : end - m_position);
        m_position = end == std::string_view::npos ? m_text.size() : end + 1;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        return line;
    }

private:
    std::string_view m_text;
    std::size_t m_position = 0;
};

}  // namespace

std::string_view TrimBlanks(std::string_view text)
{
    constexpr std::string_view kBlanks = " \t";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::string_view StoredValue(std::string_view text)
{
    std::string_view value = TrimBlanks(text);
    if (!value.empty() && value.front() == '#') {
        value.remove_prefix(1);
    }
    return value;
}

void SectionTable::AddSection(std::string name)
{
    m_byName[name].push_back(static_cast<int>(m_sections.size()));
    m_sections.push_back({std::move(name), {}});
}

void SectionTable::AddPair(std::string key, std::string value)
{
    m_sections.back().Pairs.emplace_back(std::move(key), std::move(value));
}

bool SectionTable::HasSection(std::string_view section) const
{
    return m_byName.contains(ToUpper(section));
}

std::optional<std::string> SectionTable::FindValue(std::string_view section, std::string_view key) const
{
    const auto found = m_byName.find(ToUpper(section));
    if (found == m_byName.end()) {
        return std::nullopt;
    }
    const std::string upperKey = ToUpper(key);
    for (const int index : found->second) {
        for (const auto& [pairKey, value] : m_sections[index].Pairs) {
            if (pairKey == upperKey) {
                return value;
            }
        }
    }
    return std::nullopt;
}

std::string SectionTable::GetValue(std::string_view section, std::string_view key) const
{
    return FindValue(section, key).value_or(std::string());
}

SectionTable FileReadIni(std::string_view text)
{
    SectionTable table;
    LineReader lines(text);
    std::string_view current;
    while (!lines.AtEnd() || !current.empty()) {
        if (current.empty()) {
            current = lines.Next();
            if (current.empty()) {
                continue;
            }
        }
        if (current.front() != '[') {
            current = {};
            continue;
        }
        const std::size_t close = current.find(']');
        if (close == std::string_view::npos || close == 1) {
            current = {};
            continue;
        }
        table.AddSection(ToUpper(TrimBlanks(current.substr(1, close - 1))));
        current = {};
        while (!lines.AtEnd()) {
            const std::string_view line = lines.Next();
            const std::size_t equals = line.find('=');
            if (equals != std::string_view::npos && equals >= 1) {
                table.AddPair(ToUpper(TrimBlanks(line.substr(0, equals))),
                              std::string(StoredValue(line.substr(equals + 1))));
            } else if (line.find('[') != std::string_view::npos) {
                current = line;
                break;
            }
        }
    }
    return table;
}

std::string ReadIniValue(std::string_view text, std::string_view section, std::string_view key)
{
    LineReader lines(text);
    bool inSection = false;
    while (!lines.AtEnd()) {
        const std::string_view line = TrimBlanks(lines.Next());
        if (!line.empty() && line.front() == '[') {
            const std::size_t close = line.find(']');
            inSection = close != std::string_view::npos &&
                        EqualsIgnoringCase(TrimBlanks(line.substr(1, close - 1)), section);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (inSection && equals != std::string_view::npos &&
            EqualsIgnoringCase(TrimBlanks(line.substr(0, equals)), key)) {
            std::string_view value = TrimBlanks(line.substr(equals + 1)).substr(0, kIniValueLimit);
            if (value == kMissingMarker) {
                return {};
            }
            if (!value.empty() && value.front() == '#') {
                value.remove_prefix(1);
            }
            return std::string(value);
        }
    }
    return {};
}

}  // namespace kelpie
