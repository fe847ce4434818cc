#pragma once
// The application profile that keeps the fill option between runs.
#include <string>

class IProfile {
public:
    virtual ~IProfile() = default;
    virtual int GetProfileInt(const std::string& section, const std::string& entry, int def) = 0;
    virtual void WriteProfileInt(const std::string& section, const std::string& entry, int value) = 0;
};
