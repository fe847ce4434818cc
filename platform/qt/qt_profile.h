#pragma once
// The application profile kept with QSettings: organization "Local
// AppWizard-Generated Applications", application "Vextora"; a section is a
// settings group, an entry a key inside it.
#include <string>

#include "platform/profile.h"

class CQtProfile : public IProfile {
public:
    int GetProfileInt(const std::string& section, const std::string& entry, int def) override;
    void WriteProfileInt(const std::string& section, const std::string& entry, int value) override;
};
