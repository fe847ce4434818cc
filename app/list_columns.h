#pragma once
// The file list's columns follow the window's width: the first keeps its
// share of the list's width (the share the user last dragged it to), the
// last takes the rest.
class QTreeWidget;

// firstShare: the first column's part of the width, between 0 and 1.
void ShareColumnWidths(QTreeWidget* list, double firstShare);
