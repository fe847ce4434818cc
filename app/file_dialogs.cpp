#include "app/file_dialogs.h"

#include <QFileDialog>

bool CFECFileDialog::DoModal() {
    m_paths = QFileDialog::getOpenFileNames(m_pParent, QString(), QString(),
                                            QStringLiteral("SVG Files (*.svg *.svgz);;All Files (*)"));
    return !m_paths.isEmpty();
}

bool CFolderDialog::DoModal() {
    m_strFolder = QFileDialog::getExistingDirectory(m_pParent, m_strTitle, m_strStart,
                                                    QFileDialog::ShowDirsOnly);
    return !m_strFolder.isEmpty();
}
