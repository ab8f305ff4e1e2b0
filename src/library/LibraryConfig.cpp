#include "library/LibraryConfig.h"

#include "common/IniFile.h"

namespace qx {

namespace fs = std::filesystem;

Tlibcfg ReadLibraryConfig(const fs::path& cfgFile)
{
    const IniFile ini = IniFile::Load(cfgFile);
    const Tlibcfg defaults;
    const char* section = LibraryConfigSection;
    Tlibcfg config;
    config.colname = ini.ReadString(section, "colname", defaults.colname);
    config.coltype = ini.ReadInteger(section, "coltype", defaults.coltype);
    config.PhotoCount = ini.ReadInteger(section, "PhotoCount", defaults.PhotoCount);
    config.PathType = ini.ReadInteger(section, "PathType", defaults.PathType);
    config.Path = ini.ReadString(section, "Path", defaults.Path);
    config.CharFont = ini.ReadString(section, "CharFont", defaults.CharFont);
    if (config.PathType == 1)
        config.Path = cfgFile.parent_path().string();
    return config;
}

int LibraryKind(const fs::path& cfgFile)
{
    return IniFile::Load(cfgFile).ReadInteger(LibraryConfigSection, "coltype", 0);
}

void WriteLibraryConfig(const fs::path& cfgFile, const Tlibcfg& config)
{
    IniFile ini = IniFile::Load(cfgFile);
    const char* section = LibraryConfigSection;
    ini.WriteString(section, "colname", config.colname);
    ini.WriteInteger(section, "coltype", config.coltype);
    ini.WriteInteger(section, "PhotoCount", config.PhotoCount);
    ini.WriteInteger(section, "PathType", config.PathType);
    ini.WriteString(section, "Path", config.Path);
    ini.WriteString(section, "CharFont", config.CharFont);
    ini.Save(cfgFile);
}

} // namespace qx
