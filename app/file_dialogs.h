#pragma once
// The two file-system choosers of the main dialog: several SVG files to
// open, and the output folder.
#include <QString>
#include <QStringList>

class QWidget;

// Multi-select open dialog; the chosen files come back as full paths, as
// many as were chosen.
class CFECFileDialog {
public:
    explicit CFECFileDialog(QWidget* parent) : m_pParent(parent) {}
    bool DoModal();  // true when the user confirmed a selection
    const QStringList& GetPathNames() const { return m_paths; }

private:
    QWidget* m_pParent;
    QStringList m_paths;
};

// Folder browser with a title, starting at a folder (the default place
// when that text is empty).
class CFolderDialog {
public:
    CFolderDialog(QWidget* parent, const QString& startFolder, const QString& title)
        : m_pParent(parent), m_strStart(startFolder), m_strTitle(title) {}
    bool DoModal();  // true when the user chose a folder
    const QString& GetFolderPath() const { return m_strFolder; }

private:
    QWidget* m_pParent;
    QString m_strStart;
    QString m_strTitle;
    QString m_strFolder;
};
