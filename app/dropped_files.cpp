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
        if (url.isLocalFile()) paths << url.toLocalFile();
    }
    return SvgFilesFromPaths(paths);
}

QStringList SvgFilesFromPaths(const QStringList& paths, QStringList* leftOut) {
    QStringList files;
    for (const QString& path : paths) {
        const QFileInfo info(path);
        if (info.isDir()) {
            const QDir folder(info.absoluteFilePath());
            const QStringList names = folder.entryList({QStringLiteral("*.svg")},
                                                       QDir::Files, QDir::Name);
            for (const QString& name : names) files << folder.absoluteFilePath(name);
        } else if (info.isFile() && IsSvgName(info.fileName())) {
            files << info.absoluteFilePath();
        } else if (leftOut) {
            *leftOut << path;
        }
    }
    return files;
}
