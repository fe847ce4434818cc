#pragma once
// The drawings that a drop onto the dialog, or the program's command line,
// brings: .svg and .svgz files as they come, and for each folder the .svg and
// .svgz files directly inside it, sorted by name. Anything else is left out.
#include <QList>
#include <QStringList>
#include <QUrl>

// Names left out (not a drawing, not a folder, or not there at all) go to
// *leftOut; so do links that are not local files.
QStringList SvgFilesFromUrls(const QList<QUrl>& urls, QStringList* leftOut = nullptr);
// paths may be relative; the files come back with full paths.
QStringList SvgFilesFromPaths(const QStringList& paths, QStringList* leftOut = nullptr);
// A line for each name left out: "notes.txt: not an SVG file or folder".
QStringList LeftOutLines(const QStringList& leftOut);
