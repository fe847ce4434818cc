#pragma once
// The product's pictures, drawn rather than shipped: the application icon
// and the banner across the top of the main dialog.
#include <QIcon>
#include <QPixmap>

QIcon VextoraIcon();
QPixmap VextoraBanner(int width, int height);
