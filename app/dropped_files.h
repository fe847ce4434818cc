#pragma once
// The SVG files that a drop onto the dialog, or the program's command line,
// brings: .svg files as they come, and for each folder the .svg files directly
// inside it, sorted by name. Anything else is left out.
#include <QList>
#include <QStringList>
#include <QUrl>

QStringList SvgFilesFromUrls(const QList<QUrl>& urls);
// paths may be relative; the files come back with full paths. The names left
// out (not an SVG file, not a folder, or not there at all) go to *leftOut.
QStringList SvgFilesFromPaths(const QStringList& paths, QStringList* leftOut = nullptr);
