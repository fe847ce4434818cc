#include "platform/qt/qt_profile.h"

#include <QSettings>
#include <QString>

namespace {

const char kOrganization[] = "Local AppWizard-Generated Applications";
const char kApplication[] = "Vextora";

QString SettingsKey(const std::string& section, const std::string& entry) {
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(entry);
}

}  // namespace

int CQtProfile::GetProfileInt(const std::string& section, const std::string& entry, int def) {
    QSettings settings(kOrganization, kApplication);
    bool ok = false;
    const int value = settings.value(SettingsKey(section, entry), def).toInt(&ok);
    return ok ? value : def;
}

void CQtProfile::WriteProfileInt(const std::string& section, const std::string& entry, int value) {
    QSettings settings(kOrganization, kApplication);
    settings.setValue(SettingsKey(section, entry), value);
}
