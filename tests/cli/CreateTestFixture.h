#pragma once

#include "CliProcess.h"

#include "imaging/BmpCodec.h"
#include "library/LibraryBuilder.h"
#include "library/LibraryConfig.h"
#include "project/ImageListFile.h"
#include "project/ProjectFiles.h"
#include "project/ProjectListing.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace qx::test {

// A folder of the running test's own with an app folder (the built masks
// and curves linked in, PhotoLibs empty), a projects folder, three small
// BMP photos and a 400 x 300 BMP main image. In argument texts, {root}
// stands for the folder and {app} for the app folder.
class CreateTestFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        root_ = FreshTestFolder("qx-cli-");
        std::filesystem::create_directories(AppFolder() / PhotoLibsFolderName);
        std::filesystem::create_directories(ProjectsDir());
        for (const char* data : {"masks", "config"})
            std::filesystem::create_directory_symlink(std::filesystem::path(QX_DATA_DIR) / data, AppFolder() / data);
        for (unsigned i = 0; i < 3; ++i)
            Picture(PhotosDir() / ("p" + std::to_string(i) + ".bmp"), 8, 6, 60 * i);
        Picture(MainImage(), 400, 300, 128);
    }

    void TearDown() override { std::filesystem::remove_all(root_); }

    std::filesystem::path AppFolder() const { return root_ / "app"; }
    std::filesystem::path ProjectsDir() const { return root_ / "projects"; }
    std::filesystem::path PhotosDir() const { return root_ / "photos"; }
    std::filesystem::path MainImage() const { return root_ / "Lake.bmp"; }

    static void Picture(const std::filesystem::path& file, int width, int height, unsigned shade)
    {
        std::filesystem::create_directories(file.parent_path());
        TBitmap32 bitmap(width, height);
        bitmap.Clear(Color32(shade, 255 - shade, 90));
        SaveBmp32(file, bitmap);
    }

    std::string Expand(std::string text) const
    {
        for (const auto& [key, value] : {std::pair{std::string("{root}"), root_.string()},
                                         std::pair{std::string("{app}"), AppFolder().string()}})
            for (std::size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + value.size()))
                text.replace(at, key.size(), value);
        return text;
    }

    // Runs quiltix-cli from the fixture folder with this app folder.
    CliRun Run(const std::string& arguments) const
    {
        return RunCli(root_, "--app-folder " + ShellQuoted(AppFolder().string()) + " " + Expand(arguments));
    }

    // create --no-render with the main image, the photos and the projects
    // folder, plus `arguments`.
    CliRun CreateOnly(const std::string& arguments) const
    {
        return Run("create --no-render --main '{root}/Lake.bmp' --photos '{root}/photos' --projects-dir "
                   "'{root}/projects' " +
                   arguments);
    }

    // The project folders made so far.
    std::vector<std::filesystem::path> ProjectFolders() const
    {
        std::vector<std::filesystem::path> folders;
        for (const auto& entry : std::filesystem::directory_iterator(ProjectsDir()))
            folders.push_back(entry.path());
        return folders;
    }

    // The one project a run made, as loading it gives it; its listing by
    // field name, and its cell photos.
    struct Created {
        std::filesystem::path Folder;
        TqxProject07 Project;
        std::map<std::string, std::string> Fields;
        std::vector<std::string> Cells;
    };

    Created LoadPrinted(const CliRun& run) const
    {
        Created created;
        EXPECT_EQ(run.ExitCode, 0) << run.Err;
        EXPECT_TRUE(run.Out.ends_with("\n")) << run.Out;
        created.Folder = run.Out.substr(0, run.Out.find('\n'));
        EXPECT_EQ(run.Out, created.Folder.string() + "\n");
        EXPECT_EQ(ProjectFolders(), std::vector<std::filesystem::path>{created.Folder});
        if (!LoadProjectFiles(created.Project, created.Folder / "project.QX8", created.Cells))
            ADD_FAILURE() << "no project in " << created.Folder;
        for (const ProjectListingLine& line : ListProjectFields(created.Project))
            created.Fields[line.Name] = line.Value;
        return created;
    }

    std::filesystem::path root_;
};

} // namespace qx::test
