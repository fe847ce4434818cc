#pragma once
// Reading DXF text back in tests: code/value pairs, and entities of the
// ENTITIES section with their groups.
#include <string>
#include <string_view>
#include <vector>

namespace vxtest {

struct Group {
    int code = 0;
    std::string value;
};

struct Entity {
    std::string type;           // "LWPOLYLINE", "HATCH", ...
    std::vector<Group> groups;  // the groups after the 0/type pair

    // The value of the first group with this code ("" when absent).
    std::string Str(int code) const;
    double Real(int code) const;  // 0 when absent
    int Int(int code) const;
    bool Has(int code) const;
    // Every value of this code, in order.
    std::vector<double> Reals(int code) const;
    std::vector<std::string> Strs(int code) const;
};

// Every code/value pair of the file; fails the calling test on a malformed pair.
std::vector<Group> ParseGroups(std::string_view dxf);
// The entities of the ENTITIES section, in order.
std::vector<Entity> EntitiesOf(std::string_view dxf);
// The entities of a type.
std::vector<Entity> EntitiesOf(std::string_view dxf, std::string_view type);
// Table entries of a table ("LAYER", "LTYPE", "STYLE", "APPID"): each entry's groups.
std::vector<Entity> TableEntries(std::string_view dxf, std::string_view table);
// The group 70 count of a table head.
int TableCount(std::string_view dxf, std::string_view table);
// The objects of the OBJECTS section, in order.
std::vector<Entity> ObjectsOf(std::string_view dxf, std::string_view type);

}  // namespace vxtest
