#include "project/ProjectListing.h"

#include "project/ProjectFileLayout.h"

#include <cstdio>

namespace qx {

namespace {

using P = TqxProject07;

struct FieldText {
    const P& project;

    std::string operator()(std::int32_t P::*m) const { return std::to_string(project.*m); }
    std::string operator()(std::uint32_t P::*m) const
    {
        char text[16];
        std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(project.*m));
        return text;
    }
    std::string operator()(bool P::*m) const { return project.*m ? "1" : "0"; }
    std::string operator()(std::uint8_t P::*m) const { return std::to_string(project.*m); }
    std::string operator()(std::array<bool, 24> P::*m) const
    {
        std::string digits;
        for (bool step : project.*m)
            digits += step ? '1' : '0';
        return digits;
    }
    std::string operator()(TCurvePoints P::*m) const
    {
        std::string pairs;
        for (const TCurvePoint& point : project.*m) {
            if (!pairs.empty())
                pairs += ' ';
            pairs += "(" + std::to_string(point.x) + "," + std::to_string(point.y) + ")";
        }
        return pairs;
    }
    // Only the reserved block has this type, and reserved fields are not listed.
    std::string operator()(std::array<std::uint8_t, 56> P::*) const { return {}; }
};

} // namespace

std::vector<ProjectListingLine> ListProjectFields(const TqxProject07& project)
{
    std::vector<ProjectListingLine> lines{
        {"Projectpath", project.Projectpath},
        {"Projectname", project.Projectname},
        {"OrgMainimageFilename", project.OrgMainimageFilename},
        {"MainimageFilename", project.MainimageFilename},
    };
    for (const ProjectField& field : ProjectFields())
        if (!field.Reserved)
            lines.push_back({std::string(field.Name), std::visit(FieldText{project}, field.Member)});
    return lines;
}

} // namespace qx
