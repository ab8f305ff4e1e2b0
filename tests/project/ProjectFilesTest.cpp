#include "project/ProjectFiles.h"

#include "common/FileIO.h"
#include "common/IniFile.h"
#include "common/QuiltixError.h"
#include "project/ImageListFile.h"

#include "ProjectFieldProbes.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace fs = std::filesystem;
using probes::AllFields;
using probes::PokedFileBytes;
using probes::PokedProject;
using qx::TqxProject07;

namespace {

using Lines = std::vector<std::string>;

void WriteText(const fs::path& file, const std::string& text)
{
    qx::WriteFileAtomically(file, std::string_view(text));
}

} // namespace

TEST(ProjectFiles, SaveWritesThePathKeysTheVersionAndTheRecord)
{
    const fs::path dir = ScratchFolder();
    TqxProject07 p = PokedProject();
    p.Projectpath = dir.string();
    qx::SaveProjectFiles(p);

    const qx::IniFile ini = qx::IniFile::Load(dir / "project.ini");
    EXPECT_EQ(ini.Sections(), (Lines{"pathpara", "renderpara"}));
    EXPECT_EQ(ini.Keys("pathpara"), (Lines{"Projectpath", "Projectname", "MainimageFilename", "OrgMainimageFilename"}));
    EXPECT_EQ(ini.ReadString("pathpara", "Projectpath", ""), dir.string());
    EXPECT_EQ(ini.ReadString("pathpara", "Projectname", ""), "Sunset-1");
    EXPECT_EQ(ini.ReadString("pathpara", "MainimageFilename", ""), "/somewhere/Sunset-1/mainimage.jpg");
    EXPECT_EQ(ini.ReadString("pathpara", "OrgMainimageFilename", ""), "/photos/sunset.jpg");
    EXPECT_EQ(ini.Keys("renderpara"), (Lines{"ver"}));
    EXPECT_EQ(ini.ReadString("renderpara", "ver", ""), "10");
    EXPECT_EQ(qx::ReadWholeFile(dir / "project.QX8"), PokedFileBytes());
}

TEST(ProjectFiles, SaveKeepsSectionsAndKeysItDoesNotKnow)
{
    const fs::path dir = ScratchFolder();
    WriteText(dir / "project.ini", "[custom]\r\nColour=blue\r\n\r\n[pathpara]\r\nProjectname=Old\r\n"
                                   "Note=keep me\r\n\r\n[renderpara]\r\nver=3\r\nQuality=high\r\n");
    TqxProject07 p;
    p.Projectpath = dir.string();
    p.Projectname = "New";
    qx::SaveProjectFiles(p);

    const qx::IniFile ini = qx::IniFile::Load(dir / "project.ini");
    EXPECT_EQ(ini.Sections(), (Lines{"custom", "pathpara", "renderpara"}));
    EXPECT_EQ(ini.ReadString("custom", "Colour", ""), "blue");
    EXPECT_EQ(ini.ReadString("pathpara", "Note", ""), "keep me");
    EXPECT_EQ(ini.ReadString("pathpara", "Projectname", ""), "New");
    EXPECT_EQ(ini.ReadString("renderpara", "Quality", ""), "high");
    EXPECT_EQ(ini.ReadInteger("renderpara", "ver", 0), 10);
}

TEST(ProjectFiles, SaveWithoutAProjectFolderIsRefused)
{
    const TqxProject07 p;
    try {
        qx::SaveProjectFiles(p);
        FAIL() << "saved without a folder";
    } catch (const qx::QuiltixError& e) {
        EXPECT_EQ(std::string(e.what()), "The project has no project folder, so its files cannot be saved.");
    }
}

TEST(ProjectFiles, MovedProjectLoadsEveryFieldWithItsPathsInTheNewPlace)
{
    const fs::path root = ScratchFolder();
    const fs::path oldDir = root / "old" / "Sunset-1";
    fs::create_directories(oldDir);
    TqxProject07 saved = PokedProject();
    saved.Projectpath = oldDir.string();
    saved.MainimageFilename = (oldDir / "mainimage.jpg").string();
    qx::SaveProjectFiles(saved);
    qx::WriteImageListFile(oldDir / "imglist.lst", {"/photos/a.jpg", "/photos/b.jpg"});
    fs::rename(root / "old", root / "new");

    const fs::path newDir = root / "new" / "Sunset-1";
    TqxProject07 loaded;
    Lines list{"stale.jpg"};
    ASSERT_TRUE(qx::LoadProjectFiles(loaded, newDir / "project.QX8", list));
    EXPECT_EQ(loaded.Projectpath, newDir.string());
    EXPECT_EQ(loaded.MainimageFilename, (newDir / "mainimage.jpg").string());
    EXPECT_EQ(list, (Lines{"/photos/a.jpg", "/photos/b.jpg"}));
    for (const auto& f : AllFields()) {
        if (f.Name == "Projectpath" || f.Name == "MainimageFilename")
            continue;
        SCOPED_TRACE(f.Name);
        EXPECT_EQ(f.Show(loaded), f.Show(saved));
    }
}

struct IniCase {
    const char* Name;
    std::optional<std::string> Ini; // nullopt: no project.ini at all
    std::string Projectname;
    std::string OrgMainimageFilename;
    std::string MainimageName; // expected name inside the loaded folder
};

class LoadedPaths : public ::testing::TestWithParam<IniCase> {};

TEST_P(LoadedPaths, FollowTheIniWithNotAvailableForMissingKeys)
{
    const IniCase& c = GetParam();
    const fs::path dir = ScratchFolder();
    qx::WriteFileAtomically(dir / "project.QX8", PokedFileBytes());
    if (c.Ini)
        WriteText(dir / "project.ini", *c.Ini);
    TqxProject07 p;
    Lines list;
    ASSERT_TRUE(qx::LoadProjectFiles(p, dir / "project.QX8", list));
    EXPECT_EQ(p.Projectpath, dir.string());
    EXPECT_EQ(p.Projectname, c.Projectname);
    EXPECT_EQ(p.OrgMainimageFilename, c.OrgMainimageFilename);
    EXPECT_EQ(p.MainimageFilename, (dir / c.MainimageName).string());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoadedPaths,
    ::testing::Values(
        IniCase{"NoIniFile", std::nullopt, "N/A", "N/A", "mainimage"},
        IniCase{"EmptyPathSection", "[pathpara]\r\n\r\n[renderpara]\r\nver=10\r\n", "N/A", "N/A", "mainimage"},
        IniCase{"WindowsPaths",
                "[pathpara]\r\nProjectpath=C:\\Old\\Tiles\r\nProjectname=Tiles\r\n"
                "MainimageFilename=C:\\Old.dir\\mainimage.BMP\r\nOrgMainimageFilename=C:\\Pics\\tiles.BMP\r\n",
                "Tiles", "C:\\Pics\\tiles.BMP", "mainimage.BMP"},
        IniCase{"DotOnlyInAWindowsFolder", "[pathpara]\r\nMainimageFilename=C:\\Old.dir\\mainimage\r\n", "N/A",
                "N/A", "mainimage"},
        IniCase{"DotOnlyInTheFolder", "[pathpara]\nMainimageFilename=/old.place/mainimage\nProjectname=\n", "",
                "N/A", "mainimage"},
        IniCase{"LfOnlyAndOtherCase", "[PathPara]\nprojectname=Lower\nmainimagefilename=/x/mainimage.jpeg\n",
                "Lower", "N/A", "mainimage.jpeg"}),
    [](const ::testing::TestParamInfo<IniCase>& row) { return std::string(row.param.Name); });

TEST(ProjectFiles, MissingProjectFileChangesNothing)
{
    const fs::path dir = ScratchFolder();
    TqxProject07 p = PokedProject();
    Lines list{"kept.jpg"};
    EXPECT_FALSE(qx::LoadProjectFiles(p, dir / "project.QX8", list));
    const TqxProject07 poked = PokedProject();
    for (const auto& f : AllFields())
        EXPECT_EQ(f.Show(p), f.Show(poked)) << f.Name;
    EXPECT_EQ(list, (Lines{"kept.jpg"}));
}

TEST(ProjectFiles, MissingImageListKeepsTheCurrentList)
{
    const fs::path dir = ScratchFolder();
    qx::WriteFileAtomically(dir / "project.QX8", PokedFileBytes());
    TqxProject07 p;
    Lines list{"kept.jpg"};
    ASSERT_TRUE(qx::LoadProjectFiles(p, dir / "project.QX8", list));
    EXPECT_EQ(list, (Lines{"kept.jpg"}));
    EXPECT_EQ(p.MaxRepeat, 17);
}

TEST(ProjectFiles, DamagedProjectFileChangesNeitherRecordNorList)
{
    const fs::path dir = ScratchFolder();
    auto bytes = PokedFileBytes();
    std::fill(bytes.begin() + 8, bytes.begin() + 12, 0xFF); // section 2 claims -1 bytes
    qx::WriteFileAtomically(dir / "project.QX8", bytes);
    WriteText(dir / "project.ini", "[pathpara]\r\nProjectname=Damaged\r\n");
    qx::WriteImageListFile(dir / "imglist.lst", {"/new.jpg"});

    const TqxProject07 fresh;
    TqxProject07 p;
    Lines list{"kept.jpg"};
    EXPECT_THROW(qx::LoadProjectFiles(p, dir / "project.QX8", list), qx::QuiltixError);
    for (const auto& f : AllFields())
        EXPECT_EQ(f.Show(p), f.Show(fresh)) << f.Name;
    EXPECT_EQ(list, (Lines{"kept.jpg"}));
}

struct VersionCase {
    const char* Name;
    std::optional<std::string> Ini;
    bool Accepted;
};

class VersionTest : public ::testing::TestWithParam<VersionCase> {};

TEST_P(VersionTest, AcceptsZeroToHundredAndTakesMissingAsZero)
{
    const VersionCase& c = GetParam();
    const fs::path dir = ScratchFolder();
    if (c.Ini)
        WriteText(dir / "project.ini", *c.Ini);
    EXPECT_EQ(qx::ProjectVersionAccepted(dir / "project.QX8"), c.Accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VersionTest,
    ::testing::Values(VersionCase{"NoIniFile", std::nullopt, true},
                      VersionCase{"NoVersionKey", "[renderpara]\r\nother=5\r\n", true},
                      VersionCase{"Written", "[renderpara]\r\nver=10\r\n", true},
                      VersionCase{"Zero", "[renderpara]\r\nver=0\r\n", true},
                      VersionCase{"Hundred", "[renderpara]\r\nver=100\r\n", true},
                      VersionCase{"HundredAndOne", "[renderpara]\r\nver=101\r\n", false},
                      VersionCase{"MinusOne", "[renderpara]\r\nver=-1\r\n", false},
                      VersionCase{"OtherSection", "[pathpara]\r\nver=500\r\n", true}),
    [](const ::testing::TestParamInfo<VersionCase>& row) { return std::string(row.param.Name); });
