#include "common/IniFile.h"
#include "common/QuiltixError.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

qx::IniFile Parse(const std::string& text)
{
    return qx::IniFile::Parse(text, "test.ini");
}

} // namespace

TEST(IniFile, NamesMatchCaseInsensitivelyAndKeepTheirSpelling)
{
    const qx::IniFile ini = Parse("[LibCFG07]\r\nColType=30\r\nPath = /photos/a \r\n");
    EXPECT_EQ(ini.ReadInteger("libcfg07", "COLTYPE", 0), 30);
    EXPECT_EQ(ini.ReadString("LIBCFG07", "path", "x"), "/photos/a");
    EXPECT_EQ(ini.Sections(), std::vector<std::string>{"LibCFG07"});
    EXPECT_EQ(ini.Keys("libcfg07"), (std::vector<std::string>{"ColType", "Path"}));
}

TEST(IniFile, NumbersFallBackWhenTheValueIsNotOne)
{
    const qx::IniFile ini = Parse(
        "[n]\nint=-42\nhex=0x1F\nbad=12abc\nbig=99999999999\nf=0.75\nneg=-0.5\ncomma=0,75\nempty=\n");
    struct Case {
        const char* key;
        int asInt;
        double asFloat;
    };
    const Case cases[] = {
        {"int", -42, -42.0}, {"hex", 31, 7.0},    {"bad", 7, 7.0},   {"big", 7, 99999999999.0},
        {"f", 7, 0.75},      {"neg", 7, -0.5},    {"comma", 7, 7.0}, {"empty", 7, 7.0},
        {"missing", 7, 7.0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ini.ReadInteger("n", c.key, 7), c.asInt) << c.key;
        EXPECT_EQ(ini.ReadFloat("n", c.key, 7.0), c.asFloat) << c.key;
    }
    EXPECT_TRUE(ini.ReadBool("n", "int", false));
    EXPECT_FALSE(ini.ReadBool("n", "missing", false));
}

TEST(IniFile, RewriteKeepsUnknownSectionsKeysCommentsAndOrder)
{
    qx::IniFile ini = Parse("; made by hand\r\n[pathpara]\r\nOwn=keep me\r\nProjectpath=/old\r\n\r\n"
                            "[extra]\r\nz=1\r\n\r\n");
    ini.WriteString("PATHPARA", "projectpath", "/new");
    ini.WriteString("pathpara", "Projectname", "p1");
    ini.WriteInteger("renderpara", "ver", 10);
    EXPECT_EQ(ini.ToText(), "; made by hand\r\n[pathpara]\r\nOwn=keep me\r\nProjectpath=/new\r\n"
                            "Projectname=p1\r\n\r\n[extra]\r\nz=1\r\n\r\n[renderpara]\r\nver=10\r\n\r\n");
}

TEST(IniFile, BlanksAtTheEndsOfAValueSurviveARoundTrip)
{
    qx::IniFile ini;
    ini.WriteString("s", "a", " padded ");
    ini.WriteString("s", "b", "\"quoted\"");
    ini.WriteFloat("s", "f", 1.5);
    const qx::IniFile back = Parse(ini.ToText());
    EXPECT_EQ(back.ReadString("s", "a", ""), " padded ");
    EXPECT_EQ(back.ReadString("s", "b", ""), "\"quoted\"");
    EXPECT_EQ(back.ReadFloat("s", "f", 0), 1.5);
}

TEST(IniFile, EraseAndDeleteRemoveOnlyWhatIsNamed)
{
    qx::IniFile ini = Parse("[a]\nx=1\ny=2\n[b]\nx=3\n");
    ini.DeleteKey("A", "X");
    ini.EraseSection("B");
    EXPECT_FALSE(ini.ValueExists("a", "x"));
    EXPECT_TRUE(ini.ValueExists("a", "y"));
    EXPECT_FALSE(ini.SectionExists("b"));
}

TEST(IniFile, MalformedTextIsRefusedWithTheLine)
{
    struct Case {
        std::string text;
        std::string sentence;
    };
    const std::string prefix = "The ini file \"test.ini\" ";
    const Case cases[] = {
        {"[open\nx=1\n", prefix + "has a malformed line 1: the section name has no closing bracket."},
        {"[s]\nx=1\njust words\n",
         prefix + "has a malformed line 3: it is neither a section, a key with a value, nor a comment."},
        {"x=1\n[s]\n", prefix + "has a malformed line 1: a key appears before the first section."},
        {"[s]\r\n=5\r\n", prefix + "has a malformed line 2: the key name is empty."},
        {std::string("[s]\nx=\0\n", 7), prefix + "is not a text file."},
    };
    for (const Case& c : cases) {
        try {
            Parse(c.text);
            ADD_FAILURE() << c.text;
        } catch (const qx::QuiltixError& e) {
            EXPECT_EQ(std::string(e.what()), c.sentence);
        }
    }
}

TEST(IniFile, MissingFileIsEmptyAndSaveWritesCrLf)
{
    const fs::path dir = fs::temp_directory_path() / "qx_common_ini_save";
    fs::remove_all(dir);
    fs::create_directories(dir);
    EXPECT_TRUE(qx::IniFile::Load(dir / "none.ini").Sections().empty());
    qx::IniFile ini;
    ini.WriteString("brief", "maskcount", "5");
    ini.Save(dir / "out.ini");
    std::ifstream in(dir / "out.ini", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "[brief]\r\nmaskcount=5\r\n\r\n");
    EXPECT_EQ(qx::IniFile::Load(dir / "out.ini").ReadInteger("BRIEF", "MaskCount", 0), 5);
}
