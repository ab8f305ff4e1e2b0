#pragma once

#include "support/TestFolder.h"

#include <filesystem>

inline std::filesystem::path ScratchFolder()
{
    return qx::test::FreshTestFolder("qx_project_");
}
