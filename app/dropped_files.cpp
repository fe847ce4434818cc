#include "app/dropped_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

const QStringList& DrawingPatterns() {
    static const QStringList patterns = {QStringLiteral("*.svg"), QStringLiteral("*.svgz")};
    return patterns;
}

bool IsSvgName(const QString& path) {
    return QDir::match(DrawingPatterns(), path);
}

}  // namespace

QStringList SvgFilesFromUrls(const QList<QUrl>& urls, QStringList* leftOut) {
    QStringList paths;
    for (const QUrl& url : urls) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
        else if (leftOut)
            *leftOut << url.toString();
    }
    return SvgFilesFromPaths(paths, leftOut);
}

QStringList SvgFilesFromPaths(const QStringList& paths, QStringList* leftOut) {
    QStringList files;
    for (const QString& path : paths) {
        const QFileInfo info(path);
        if (info.isDir()) {
            const QDir folder(info.absoluteFilePath());
            const QStringList names = folder.entryList(DrawingPatterns(), QDir::Files, QDir::Name);
            for (const QString& name : names) files << folder.absoluteFilePath(name);
        } else if (info.isFile() && IsSvgName(info.fileName())) {
            files << info.absoluteFilePath();
        } else if (leftOut) {
            *leftOut << path;
        }
    }
    return files;
}

QStringList LeftOutLines(const QStringList& leftOut) {
    QStringList lines;
    for (const QString& name : leftOut)
        lines << name + (QFileInfo::exists(name)
                             ? QCoreApplication::translate("CVextoraDlg", ": not an SVG file or folder")
                             : QCoreApplication::translate("CVextoraDlg", ": no such file or folder"));
    return lines;
}
