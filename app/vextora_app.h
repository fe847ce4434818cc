#pragma once
// The application object: sets up Qt and runs the main dialog modally.
#include <QApplication>
#include <QString>
#include <QStringList>

class CVextoraDlg;

class CVextoraApp : public QApplication {
    Q_OBJECT
public:
    CVextoraApp(int& argc, char** argv);
    int Run();
};

// The files named on the command line (a desktop entry passes the chosen
// files this way) go into the list the way "Add File(s)" puts them there; a
// folder adds the SVG files inside it, as dropping it does. arguments is the
// whole command line, the program first. Returns a line for each name left
// out ("notes.txt: not an SVG file or folder"), which the dialog's status
// line shows too.
QStringList AddCommandLineFiles(CVextoraDlg& dialog, const QStringList& arguments);

// The help page for a program in programFolder: beside it in a build tree,
// else in the data folder of the prefix it is installed in.
QString HelpPagePath(const QString& programFolder);
