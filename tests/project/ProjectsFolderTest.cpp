#include "project/ProjectsFolder.h"

#include "common/FileIO.h"
#include "common/QuiltixError.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <map>

namespace fs = std::filesystem;

namespace {

// An environment with only the given variables; "@" in a value stands for
// the test's scratch folder.
struct DocumentsCase {
    const char* Name;
    std::map<std::string, std::string> Environment;
    std::string UserDirsFolder; // below @; no user-dirs.dirs when empty
    std::string UserDirsFile;
    std::string Expected;     // "@" stands for the scratch folder
};

std::string Expand(std::string text, const fs::path& scratch)
{
    for (std::size_t at = text.find('@'); at != std::string::npos; at = text.find('@'))
        text.replace(at, 1, scratch.string());
    return text;
}

class DocumentsFolderLookup : public ::testing::TestWithParam<DocumentsCase> {};

} // namespace

TEST_P(DocumentsFolderLookup, FollowsTheXdgRules)
{
    const DocumentsCase& c = GetParam();
    const fs::path scratch = ScratchFolder();
    if (!c.UserDirsFolder.empty()) {
        fs::create_directories(scratch / c.UserDirsFolder);
        qx::WriteFileAtomically(scratch / c.UserDirsFolder / "user-dirs.dirs", std::string_view(c.UserDirsFile));
    }
    const qx::EnvironmentLookup environment = [&](std::string_view name) -> std::optional<std::string> {
        const auto it = c.Environment.find(std::string(name));
        return it == c.Environment.end() ? std::nullopt : std::optional(Expand(it->second, scratch));
    };
    EXPECT_EQ(qx::DocumentsFolder(environment), fs::path(Expand(c.Expected, scratch)));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DocumentsFolderLookup,
    ::testing::Values(
        DocumentsCase{"VariableWins",
                      {{"XDG_DOCUMENTS_DIR", "/srv/papers"}, {"HOME", "/home/u"}, {"XDG_CONFIG_HOME", "@/config"}},
                      "config",
                      "XDG_DOCUMENTS_DIR=\"/elsewhere\"\n",
                      "/srv/papers"},
        DocumentsCase{"HomeOnly", {{"HOME", "@/home"}}, "", "", "@/home/Documents"},
        DocumentsCase{"EmptyVariablesCountAsUnset",
                      {{"XDG_DOCUMENTS_DIR", ""}, {"XDG_CONFIG_HOME", ""}, {"HOME", "@/home"}},
                      "",
                      "",
                      "@/home/Documents"},
        DocumentsCase{"UserDirsBelowHome",
                      {{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", "@/config"}},
                      "config",
                      "# written by the desktop\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                      "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n",
                      "/home/u/Dokumente"},
        DocumentsCase{"UserDirsDefaultConfigFolder",
                      {{"HOME", "@"}},
                      ".config",
                      "XDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n",
                      "@/Papers"},
        DocumentsCase{"UserDirsAbsolute",
                      {{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", "@/config"}},
                      "config",
                      "XDG_DOCUMENTS_DIR=\"/data/docs\"\r\n",
                      "/data/docs"},
        DocumentsCase{"UserDirsEscapes",
                      {{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", "@/config"}},
                      "config",
                      "XDG_DOCUMENTS_DIR=\"$HOME/My \\\"Docs\\\"\"\n",
                      "/home/u/My \"Docs\""},
        DocumentsCase{"UserDirsLaterLineWins",
                      {{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", "@/config"}},
                      "config",
                      "XDG_DOCUMENTS_DIR=\"$HOME/First\"\n  XDG_DOCUMENTS_DIR=\"$HOME/Second\"\n",
                      "/home/u/Second"},
        DocumentsCase{"UserDirsRelativeIgnored",
                      {{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", "@/config"}},
                      "config",
                      "XDG_DOCUMENTS_DIR=\"docs\"\nXDG_DOCUMENTS_DIR=\"$HOMEX/docs\"\n",
                      "/home/u/Documents"},
        DocumentsCase{"UserDirsCommentAndOpenQuoteIgnored",
                      {{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", "@/config"}},
                      "config",
                      "#XDG_DOCUMENTS_DIR=\"/commented\"\nXDG_DOCUMENTS_DIR=\"/unclosed\n",
                      "/home/u/Documents"},
        DocumentsCase{"UserDirsWithoutHome",
                      {{"XDG_CONFIG_HOME", "@/config"}},
                      "config",
                      "XDG_DOCUMENTS_DIR=\"/data/docs\"\n",
                      "/data/docs"}),
    [](const ::testing::TestParamInfo<DocumentsCase>& row) { return std::string(row.param.Name); });

TEST(DocumentsFolder, WithoutHomeOrVariableIsRefused)
{
    const qx::EnvironmentLookup nothing = [](std::string_view) { return std::optional<std::string>(); };
    try {
        qx::DocumentsFolder(nothing);
        FAIL() << "a documents folder was invented";
    } catch (const qx::QuiltixError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "The documents folder cannot be found because neither XDG_DOCUMENTS_DIR nor HOME is set.");
    }
}

TEST(ProjectsFolder, IsCreatedInsideTheDocumentsFolderAndReused)
{
    const fs::path documents = ScratchFolder() / "Documents";
    const fs::path folder = qx::ProjectsFolder(documents);
    EXPECT_EQ(folder, documents / "MosaicProject");
    EXPECT_TRUE(fs::is_directory(folder));
    qx::WriteFileAtomically(folder / "keep.txt", std::string_view("x"));
    EXPECT_EQ(qx::ProjectsFolder(documents), folder);
    EXPECT_TRUE(fs::exists(folder / "keep.txt"));
}

TEST(ProjectsFolder, AFileInTheWayIsRefused)
{
    const fs::path documents = ScratchFolder();
    qx::WriteFileAtomically(documents / "MosaicProject", std::string_view("not a folder"));
    try {
        qx::ProjectsFolder(documents);
        FAIL() << "a file was taken for the folder";
    } catch (const qx::QuiltixError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "The projects folder \"" + (documents / "MosaicProject").string() + "\" cannot be created.");
    }
}
