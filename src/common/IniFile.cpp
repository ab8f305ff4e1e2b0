#include "common/IniFile.h"

#include "common/FileIO.h"
#include "common/QuiltixError.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>
#include <cstdint>
#include <iterator>
#include <system_error>
#include <utility>

namespace qx {

namespace {

bool SameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::string_view Trim(std::string_view s)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool IsKeptVerbatim(std::string_view trimmed)
{
    return trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#';
}

// Values may be quoted to keep leading or trailing blanks; the quotes are
// not part of the value.
std::string_view Unquote(std::string_view v)
{
    if (v.size() >= 2 && v.front() == '"' && v.back() == '"')
        return v.substr(1, v.size() - 2);
    return v;
}

[[noreturn]] void Malformed(const std::filesystem::path& source, int line, const std::string& what)
{
    throw QuiltixError("The ini file " + QuotedPath(source) + " has a malformed line " + std::to_string(line) +
                       ": " + what + ".");
}

// Quotes protect blanks at either end (the reader trims them) and values
// that are themselves quoted.
std::string StoredValue(std::string_view value)
{
    const bool quoted = value.size() >= 2 && value.front() == '"' && value.back() == '"';
    std::string stored;
    if (quoted || Trim(value).size() != value.size()) {
        stored.reserve(value.size() + 2);
        stored.push_back('"');
        stored.append(value);
        stored.push_back('"');
        return stored;
    }
    stored.assign(value);
    return stored;
}

std::string FormatFloat(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

} // namespace

IniFile IniFile::Load(const std::filesystem::path& file)
{
    std::error_code ec;
    if (!std::filesystem::exists(file, ec))
        return IniFile();
    const auto bytes = ReadWholeFile(file);
    return Parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), file);
}

IniFile IniFile::Parse(std::string_view text, const std::filesystem::path& source)
{
    if (text.find('\0') != std::string_view::npos)
        throw QuiltixError("The ini file " + QuotedPath(source) + " is not a text file.");
    IniFile ini;
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const std::string_view trimmed = Trim(line);
        std::vector<Entry>& entries = ini.sections_.empty() ? ini.preamble_ : ini.sections_.back().Entries;
        if (IsKeptVerbatim(trimmed)) {
            entries.push_back({std::string(), std::string(line)});
        } else if (trimmed.front() == '[') {
            if (trimmed.back() != ']')
                Malformed(source, lineNumber, "the section name has no closing bracket");
            ini.sections_.push_back({std::string(Trim(trimmed.substr(1, trimmed.size() - 2))), {}});
        } else {
            const std::size_t eq = trimmed.find('=');
            if (eq == std::string_view::npos)
                Malformed(source, lineNumber, "it is neither a section, a key with a value, nor a comment");
            if (ini.sections_.empty())
                Malformed(source, lineNumber, "a key appears before the first section");
            const std::string_view key = Trim(trimmed.substr(0, eq));
            if (key.empty())
                Malformed(source, lineNumber, "the key name is empty");
            entries.push_back({std::string(key), std::string(Trim(trimmed.substr(eq + 1)))});
        }
    }
    return ini;
}

const IniFile::Section* IniFile::FindSection(std::string_view name) const
{
    for (const Section& s : sections_)
        if (SameName(s.Name, name))
            return &s;
    return nullptr;
}

IniFile::Section* IniFile::FindSection(std::string_view name)
{
    return const_cast<Section*>(std::as_const(*this).FindSection(name));
}

const IniFile::Entry* IniFile::FindEntry(std::string_view section, std::string_view key) const
{
    const Section* s = FindSection(section);
    if (!s)
        return nullptr;
    for (const Entry& e : s->Entries)
        if (!e.Key.empty() && SameName(e.Key, key))
            return &e;
    return nullptr;
}

bool IniFile::SectionExists(std::string_view section) const
{
    return FindSection(section) != nullptr;
}

bool IniFile::ValueExists(std::string_view section, std::string_view key) const
{
    return FindEntry(section, key) != nullptr;
}

std::vector<std::string> IniFile::Sections() const
{
    std::vector<std::string> names;
    for (const Section& s : sections_)
        names.push_back(s.Name);
    return names;
}

std::vector<std::string> IniFile::Keys(std::string_view section) const
{
    std::vector<std::string> keys;
    if (const Section* s = FindSection(section))
        for (const Entry& e : s->Entries)
            if (!e.Key.empty())
                keys.push_back(e.Key);
    return keys;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view fallback) const
{
    const Entry* e = FindEntry(section, key);
    return std::string(e ? Unquote(e->Value) : fallback);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int fallback) const
{
    const Entry* e = FindEntry(section, key);
    if (!e)
        return fallback;
    std::string_view v = Unquote(e->Value);
    int base = 10;
    bool negative = false;
    if (!v.empty() && (v.front() == '-' || v.front() == '+')) {
        negative = v.front() == '-';
        v.remove_prefix(1);
    }
    if (v.size() > 2 && v[0] == '0' && (v[1] == 'x' || v[1] == 'X')) {
        base = 16;
        v.remove_prefix(2);
    }
    long long value = 0;
    const auto result = std::from_chars(v.data(), v.data() + v.size(), value, base);
    if (v.empty() || result.ec != std::errc() || result.ptr != v.data() + v.size())
        return fallback;
    value = negative ? -value : value;
    if (value < INT32_MIN || value > INT32_MAX)
        return fallback;
    return static_cast<int>(value);
}

double IniFile::ReadFloat(std::string_view section, std::string_view key, double fallback) const
{
    const Entry* e = FindEntry(section, key);
    if (!e)
        return fallback;
    std::string_view v = Unquote(e->Value);
    if (!v.empty() && v.front() == '+')
        v.remove_prefix(1);
    double value = 0;
    const auto result = std::from_chars(v.data(), v.data() + v.size(), value, std::chars_format::fixed);
    if (v.empty() || result.ec != std::errc() || result.ptr != v.data() + v.size())
        return fallback;
    return value;
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const
{
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    Section* s = FindSection(section);
    if (!s) {
        sections_.push_back({std::string(section), {}});
        s = &sections_.back();
    }
    for (Entry& e : s->Entries)
        if (!e.Key.empty() && SameName(e.Key, key)) {
            e.Value = StoredValue(value);
            return;
        }
    // New keys go after the last key, ahead of the blank lines that close
    // the section.
    auto pos = s->Entries.end();
    while (pos != s->Entries.begin() && std::prev(pos)->Key.empty())
        --pos;
    s->Entries.insert(pos, {std::string(key), StoredValue(value)});
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value)
{
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteFloat(std::string_view section, std::string_view key, double value)
{
    WriteString(section, key, FormatFloat(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value)
{
    WriteString(section, key, value ? "1" : "0");
}

void IniFile::EraseSection(std::string_view section)
{
    std::erase_if(sections_, [&](const Section& s) { return SameName(s.Name, section); });
}

void IniFile::DeleteKey(std::string_view section, std::string_view key)
{
    if (Section* s = FindSection(section))
        std::erase_if(s->Entries, [&](const Entry& e) { return !e.Key.empty() && SameName(e.Key, key); });
}

std::string IniFile::ToText() const
{
    std::string text;
    const auto put = [&text](const std::vector<Entry>& entries) {
        for (const Entry& e : entries)
            text += (e.Key.empty() ? e.Value : e.Key + "=" + e.Value) + "\r\n";
    };
    put(preamble_);
    for (const Section& s : sections_) {
        text += "[" + s.Name + "]\r\n";
        put(s.Entries);
        if (s.Entries.empty() || !s.Entries.back().Key.empty() || !Trim(s.Entries.back().Value).empty())
            text += "\r\n";
    }
    return text;
}

void IniFile::Save(const std::filesystem::path& file) const
{
    WriteFileAtomically(file, ToText());
}

} // namespace qx
