#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace qx {

// An ini file held in memory. Sections and keys keep their file order and
// their spelling; names match case-insensitively (ASCII). Keys and
// sections the program does not know survive a rewrite untouched.
class IniFile {
public:
    IniFile() = default;

    // A missing file gives an empty ini. A file that is not ini text throws
    // QuiltixError naming the file and the line.
    static IniFile Load(const std::filesystem::path& file);
    // `source` names the text in error messages.
    static IniFile Parse(std::string_view text, const std::filesystem::path& source);

    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;
    std::vector<std::string> Sections() const;
    std::vector<std::string> Keys(std::string_view section) const;

    std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) const;
    // A value that is not a whole decimal number gives the fallback.
    int ReadInteger(std::string_view section, std::string_view key, int fallback) const;
    // Decimals use a point; anything else gives the fallback.
    double ReadFloat(std::string_view section, std::string_view key, double fallback) const;
    bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;

    // Adds the section or key at the end when missing, otherwise replaces
    // the value in place.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);
    void WriteFloat(std::string_view section, std::string_view key, double value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

    void EraseSection(std::string_view section);
    void DeleteKey(std::string_view section, std::string_view key);

    // CR LF line ends.
    std::string ToText() const;
    // Replaces the file atomically.
    void Save(const std::filesystem::path& file) const;

private:
    struct Entry {
        std::string Key;   // empty for a comment or blank line kept verbatim
        std::string Value; // the whole line when Key is empty
    };
    struct Section {
        std::string Name;
        std::vector<Entry> Entries;
    };

    const Section* FindSection(std::string_view name) const;
    Section* FindSection(std::string_view name);
    const Entry* FindEntry(std::string_view section, std::string_view key) const;

    std::vector<Entry> preamble_; // comments before the first section
    std::vector<Section> sections_;
};

} // namespace qx
