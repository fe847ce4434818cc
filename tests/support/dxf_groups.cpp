#include "tests/support/dxf_groups.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace vxtest {

static std::string_view NextLine(std::string_view text, size_t& pos) {
    const size_t end = text.find('\n', pos);
    std::string_view line = text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
    pos = end == std::string_view::npos ? text.size() : end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

std::vector<Group> ParseGroups(std::string_view dxf) {
    std::vector<Group> groups;
    size_t pos = 0;
    while (pos < dxf.size()) {
        const std::string code(NextLine(dxf, pos));
        if (pos >= dxf.size() && code.empty()) break;
        char* end = nullptr;
        const long value = std::strtol(code.c_str(), &end, 10);
        EXPECT_TRUE(end && *end == '\0' && !code.empty()) << "bad group code line '" << code << "'";
        groups.push_back({int(value), std::string(NextLine(dxf, pos))});
    }
    return groups;
}

std::string Entity::Str(int code) const {
    for (const Group& g : groups)
        if (g.code == code) return g.value;
    return "";
}
double Entity::Real(int code) const { return std::atof(Str(code).c_str()); }
int Entity::Int(int code) const { return std::atoi(Str(code).c_str()); }
bool Entity::Has(int code) const {
    for (const Group& g : groups)
        if (g.code == code) return true;
    return false;
}
std::vector<double> Entity::Reals(int code) const {
    std::vector<double> out;
    for (const Group& g : groups)
        if (g.code == code) out.push_back(std::atof(g.value.c_str()));
    return out;
}
std::vector<std::string> Entity::Strs(int code) const {
    std::vector<std::string> out;
    for (const Group& g : groups)
        if (g.code == code) out.push_back(g.value);
    return out;
}

// The objects between "0/SECTION 2/<section>" and its "0/ENDSEC", split at group 0.
static std::vector<Entity> SectionObjects(std::string_view dxf, std::string_view section) {
    const std::vector<Group> groups = ParseGroups(dxf);
    std::vector<Entity> out;
    bool inside = false;
    for (size_t i = 0; i < groups.size(); ++i) {
        const Group& g = groups[i];
        if (!inside) {
            inside = g.code == 2 && g.value == section && i > 0 && groups[i - 1].value == "SECTION";
            continue;
        }
        if (g.code == 0 && g.value == "ENDSEC") break;
        if (g.code == 0)
            out.push_back({g.value, {}});
        else if (!out.empty())
            out.back().groups.push_back(g);
    }
    return out;
}

std::vector<Entity> EntitiesOf(std::string_view dxf) { return SectionObjects(dxf, "ENTITIES"); }

std::vector<Entity> EntitiesOf(std::string_view dxf, std::string_view type) {
    std::vector<Entity> out;
    for (Entity& e : EntitiesOf(dxf))
        if (e.type == type) out.push_back(std::move(e));
    return out;
}

std::vector<Entity> ObjectsOf(std::string_view dxf, std::string_view type) {
    std::vector<Entity> out;
    for (Entity& e : SectionObjects(dxf, "OBJECTS"))
        if (e.type == type) out.push_back(std::move(e));
    return out;
}

// The TABLE with group 2 = table: its head (type "TABLE") followed by its entries.
static std::vector<Entity> TableObjects(std::string_view dxf, std::string_view table) {
    std::vector<Entity> out;
    bool inside = false;
    for (Entity& e : SectionObjects(dxf, "TABLES")) {
        if (e.type == "TABLE") {
            inside = e.Str(2) == table;
            if (inside) out.push_back(std::move(e));
            continue;
        }
        if (e.type == "ENDTAB") {
            if (inside) break;
            continue;
        }
        if (inside) out.push_back(std::move(e));
    }
    return out;
}

std::vector<Entity> TableEntries(std::string_view dxf, std::string_view table) {
    std::vector<Entity> all = TableObjects(dxf, table);
    if (!all.empty()) all.erase(all.begin());
    return all;
}

int TableCount(std::string_view dxf, std::string_view table) {
    const std::vector<Entity> all = TableObjects(dxf, table);
    return all.empty() ? -1 : all.front().Int(70);
}

}  // namespace vxtest
