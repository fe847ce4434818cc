#pragma once
// Opening a document or a folder with the desktop's own handler (the help
// page in the browser, the output folder in the file manager).
#include <QString>

bool OpenWithDesktop(const QString& path);
