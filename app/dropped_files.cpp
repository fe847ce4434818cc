#include "app/dropped_files.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool IsSvgName(const QString& path) {
    return path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive);
}

}  // namespace

QStringList SvgFilesFromUrls(const QList<QUrl>& urls) {
    QStringList paths;
    for (const QUrl& url : urls) {
        if (!url.isLocalFile()) continue;
        const QFileInfo info(url.toLocalFile());
        if (info.isDir()) {
            const QDir folder(info.absoluteFilePath());
            const QStringList names = folder.entryList({QStringLiteral("*.svg")},
                                                       QDir::Files, QDir::Name);
            for (const QString& name : names) paths << folder.absoluteFilePath(name);
        } else if (info.isFile() && IsSvgName(info.fileName())) {
            paths << info.absoluteFilePath();
        }
    }
    return paths;
}
