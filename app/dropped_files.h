#pragma once
// The SVG files that a drop onto the dialog brings: dropped .svg files as
// they come, and for each dropped folder the .svg files directly inside it,
// sorted by name. Anything else is left out.
#include <QList>
#include <QStringList>
#include <QUrl>

QStringList SvgFilesFromUrls(const QList<QUrl>& urls);
