#include "platform/qt/desktop.h"

#include <QDesktopServices>
#include <QUrl>

bool OpenWithDesktop(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
