#pragma once
// The application object: sets up Qt and runs the main dialog modally.
#include <QApplication>

class CVextoraApp : public QApplication {
    Q_OBJECT
public:
    CVextoraApp(int& argc, char** argv);
    int Run();
};
