#pragma once
// An unattended run for the documentation picture (not shown in any help):
//   vextora --screenshot OUT.png OUTPUT_FOLDER FILE.svg...
// shows the real window, converts the files into OUTPUT_FOLDER, answers the
// final question with No and saves the window's picture to OUT.png, with the
// tooltip of the first failed row.
#include <QString>
#include <QStringList>

class CVextoraDlg;

class CScreenshotRun {
public:
    bool Parse(const QStringList& arguments);  // false: a normal run
    int Run(CVextoraDlg& dialog) const;        // 0 when the picture was saved

private:
    QString m_strPicture;
    QString m_strOutputFolder;
    QStringList m_inputs;
};
