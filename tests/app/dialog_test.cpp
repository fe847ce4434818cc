// The main dialog end to end: adding, removing and dropping files, the
// output folder rules, the batch on its worker thread with its results,
// failures, counts and messages, stopping it, the fill modes kept in the
// settings, the columns on a resize, Esc, and the Help button's menu.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <QtTest>

#include "app/cool_btn.h"
#include "app/text_progress_ctrl.h"
#include "app/vextora_dlg.h"
#include "platform/qt/message_box.h"

namespace {

// Two hundred thousand empty groups: a second or so of work that writes a small DXF.
QByteArray LongDrawing() {
    QByteArray svg = "<svg width=\"100\" height=\"80\">";
    for (int i = 0; i < 200000; ++i) svg += "<g transform=\"translate(1,2) rotate(30)\"><desc/></g>";
    return svg + "<line x1=\"0\" y1=\"0\" x2=\"40\" y2=\"30\" stroke=\"black\"/></svg>";
}

const char kDrawing[] =
    "<svg width=\"100\" height=\"80\"><g id=\"parts\">"
    "<line x1=\"0\" y1=\"0\" x2=\"40\" y2=\"30\" stroke=\"black\"/></g></svg>\n";

void WriteText(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Empty at the start of each test, also when the binary runs again outside ctest.
QString OutputFolder(const QString& name) {
    const QString folder = QStringLiteral(VX_TEST_DXF_DIR "/app/") + name;
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    return folder;
}

}  // namespace

class DialogTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_inputs;
    QTemporaryDir m_settings;
    QStringList m_messages;
    QMessageBox::StandardButton m_answer = QMessageBox::No;

    QString Input(const QString& name) {
        const QString path = m_inputs.filePath(name);
        if (!QFile::exists(path)) WriteText(path, kDrawing);
        return path;
    }

    QStringList Column(const CVextoraDlg& dialog, int column) const {
        QStringList texts;
        for (int row = 0; row < dialog.FileList()->topLevelItemCount(); ++row)
            texts << dialog.FileList()->topLevelItem(row)->text(column);
        return texts;
    }

    // Convert, then the window's event loop until the batch has ended.
    static void RunBatch(CVextoraDlg& dialog) {
        QSignalSpy finished(&dialog, &CVextoraDlg::BatchFinished);
        dialog.Convert();
        if (dialog.IsConverting()) QVERIFY(finished.wait(60000));
    }

    // On the box itself: the check box's wide row reacts only to its box and text.
    static void ClickCheck(QCheckBox* check) {
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
    }
    static void ClickFillCheck(CVextoraDlg& dialog) {
        ClickCheck(dialog.FillCheck());
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
        SetMessageBoxHook([this](const QString& text, QMessageBox::StandardButtons) {
            m_messages << text;
            return m_answer;
        });
        QDir(m_inputs.path()).mkpath(QStringLiteral("other"));
    }

    void init() {
        m_messages.clear();
        m_answer = QMessageBox::No;
    }

    void addedFilesSetTheOutputFolderUntilTheFirstBatch() {
        CVextoraDlg dialog;
        const QString a = Input("a.svg"), b = Input("b.svg"), other = Input("other/c.svg");
        dialog.AddFiles({a, b});
        QCOMPARE(Column(dialog, 0), QStringList({a, b}));
        QCOMPARE(Column(dialog, 1), QStringList({QString(), QString()}));
        QCOMPARE(dialog.OutputFolderEdit()->text(), m_inputs.path() + "/");

        // Before any conversion each selection's first file sets the folder again;
        // the same file twice is simply listed twice.
        dialog.AddFiles({other, a});
        QCOMPARE(dialog.OutputFolderEdit()->text(), m_inputs.path() + "/other/");
        QCOMPARE(Column(dialog, 0), QStringList({a, b, other, a}));

        const QString out = OutputFolder("kept");
        dialog.OutputFolderEdit()->setText(out);
        RunBatch(dialog);
        dialog.AddFiles({b});
        QCOMPARE(dialog.OutputFolderEdit()->text(), out);
        QCOMPARE(dialog.Converter().Options().outputFolder, (out + "/").toStdString());
    }

    void outputFolderIsTrimmedAndGetsASeparator() {
        CVextoraDlg dialog;
        dialog.AddFiles({Input("a.svg")});
        const QString out = OutputFolder("trimmed");
        dialog.OutputFolderEdit()->setText(out + "   ");
        RunBatch(dialog);
        QCOMPARE(dialog.Converter().Options().outputFolder, (out + "/").toStdString());
        QVERIFY(QFile::exists(out + "/a.dxf"));
        // The box keeps what was typed.
        QCOMPARE(dialog.OutputFolderEdit()->text(), out + "   ");
        QCOMPARE(m_messages.last(),
                 "Convert finished, do you need to open the output folder now? \nOutput folder is " +
                     out + "/");
    }

    void batchWritesEachResultAndGoesOnAfterAFailure() {
        CVextoraDlg dialog;
        const QString missing = m_inputs.filePath("missing.svg");
        dialog.AddFiles({Input("first.svg"), missing, Input("third.svg")});
        const QString out = OutputFolder("batch") + "/";
        dialog.OutputFolderEdit()->setText(out);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        RunBatch(dialog);

        QCOMPARE(Column(dialog, 1), QStringList({"first.dxf",
                                                 "failed: cannot read: No such file or directory",
                                                 "third.dxf"}));
        QVERIFY(QFile::exists(out + "first.dxf"));
        QVERIFY(QFile::exists(out + "third.dxf"));
        QVERIFY(!QFile::exists(out + "missing.dxf"));
        QCOMPARE(dialog.StatusLine()->text(), QStringLiteral("2 converted, 1 failed"));
        QCOMPARE(m_messages.size(), 1);  // only the final question, the failures counted first
        QVERIFY(m_messages.first().startsWith("1 file failed. Convert finished, do you need"));
        QVERIFY(m_messages.first().endsWith("Output folder is " + out));
        QVERIFY(!dialog.Progress()->isVisible());
        QCOMPARE(dialog.Progress()->GetPos(), 100);
        QCOMPARE(dialog.FileList()->currentItem(), dialog.FileList()->topLevelItem(2));
        QVERIFY(dialog.FileList()->selectedItems().isEmpty());

        // A second batch clears every row before its first result arrives, then
        // converts every row again.
        QSignalSpy finished(&dialog, &CVextoraDlg::BatchFinished);
        dialog.Convert();
        QCOMPARE(Column(dialog, 1), QStringList({QString(), QString(), QString()}));
        QVERIFY(dialog.FileList()->topLevelItem(1)->icon(1).isNull());
        QVERIFY(dialog.FileList()->topLevelItem(1)->toolTip(1).isEmpty());
        QVERIFY(dialog.StatusLine()->text().isEmpty());
        QVERIFY(finished.wait(60000));
        QCOMPARE(Column(dialog, 1).first(), QStringLiteral("first.dxf"));
    }

    void convertWarnsAboutAnEmptyListOrFolder() {
        CVextoraDlg dialog;
        dialog.OutputFolderEdit()->setText(OutputFolder("unused"));
        RunBatch(dialog);
        QCOMPARE(m_messages, QStringList({"Select svg file."}));
        QVERIFY(dialog.Converter().OutputPath().empty());

        m_messages.clear();
        dialog.AddFiles({Input("a.svg")});
        dialog.OutputFolderEdit()->setText(" \t ");
        RunBatch(dialog);
        QCOMPARE(m_messages, QStringList({"Select output folder."}));
        QVERIFY(dialog.Converter().OutputPath().empty());
        QCOMPARE(Column(dialog, 1), QStringList({QString()}));
    }

    void cutOffDrawingWarnsInABoxAndInItsRow() {
        CVextoraDlg dialog;
        const QString cut = m_inputs.filePath("cut.svg");
        WriteText(cut, "<svg width=\"10\" height=\"10\"><line x1=\"0\" y1=\"0\" x2=\"5\"");
        dialog.AddFiles({cut, Input("whole.svg")});
        dialog.OutputFolderEdit()->setText(OutputFolder("cut"));
        RunBatch(dialog);

        QCOMPARE(m_messages.size(), 2);
        QCOMPARE(m_messages.first(), QStringLiteral("Warning Tag Block is Incomplete"));
        QVERIFY(m_messages.last().startsWith("Convert finished"));
        const QTreeWidgetItem* row = dialog.FileList()->topLevelItem(0);
        QCOMPARE(row->text(1), QStringLiteral("cut.dxf"));
        QCOMPARE(row->toolTip(1), QStringLiteral("Warning Tag Block is Incomplete\nthe drawing ends before "
                                                 "its closing tag: the DXF holds only what was read"));
        QVERIFY(!row->icon(1).isNull());
        QVERIFY(dialog.FileList()->topLevelItem(1)->toolTip(1).isEmpty());
        QVERIFY(dialog.FileList()->topLevelItem(1)->icon(1).isNull());
        QCOMPARE(dialog.StatusLine()->text(), QStringLiteral("2 converted, 0 failed (1 with warnings)"));
    }

    void failedRowsShowWhyAndAMark() {
        CVextoraDlg dialog;
        const QString missing = m_inputs.filePath("missing.svg");
        const QString first = Input("x.svg"), clash = Input("other/x.svg");
        dialog.AddFiles({missing, first, clash});
        const QString out = OutputFolder("failed") + "/";
        dialog.OutputFolderEdit()->setText(out);
        RunBatch(dialog);

        // The cell gives the reason alone; the tooltip names the file too.
        const QStringList reasons = {"cannot read: No such file or directory", QString(),
                                     "not converted: x.dxf is already the output of " + first};
        for (int row = 0; row < 3; ++row) {
            const QTreeWidgetItem* item = dialog.FileList()->topLevelItem(row);
            const bool failed = !reasons[row].isEmpty();
            QCOMPARE(item->text(1), failed ? "failed: " + reasons[row] : "x.dxf");
            QCOMPARE(item->toolTip(1), failed ? item->text(0) + ": " + reasons[row] : QString());
            QCOMPARE(item->icon(1).isNull(), !failed);
        }
        QVERIFY(m_messages.last().startsWith("2 files failed. Convert finished"));

        // A second batch that converts what failed before drops the old mark.
        WriteText(missing, kDrawing);
        RunBatch(dialog);
        QVERIFY(dialog.FileList()->topLevelItem(0)->icon(1).isNull());
        QVERIFY(dialog.FileList()->topLevelItem(0)->toolTip(1).isEmpty());
    }

    void yesToAMissingOutputFolderNamesIt() {
        CVextoraDlg dialog;
        dialog.AddFiles({Input("a.svg")});
        const QString out = m_inputs.filePath("not/there/");
        dialog.OutputFolderEdit()->setText(out);
        m_answer = QMessageBox::Yes;
        RunBatch(dialog);
        QVERIFY(dialog.FileList()->topLevelItem(0)->toolTip(1).contains("cannot write " + out + "a.dxf"));
        QCOMPARE(m_messages.last(), "The output folder " + out + " does not exist.");
    }

    // The offscreen platform has no program to open anything with.
    void aPageOrFolderThatCannotBeOpenedIsNamed() {
        CVextoraDlg dialog;
        dialog.AddFiles({Input("a.svg")});
        const QString out = OutputFolder("opened") + "/";
        dialog.OutputFolderEdit()->setText(out);
        m_answer = QMessageBox::Yes;
        RunBatch(dialog);
        QCOMPARE(m_messages.last(), "No program could be found to open " + out + ".");

        dialog.HelpButton()->Menu()->actions().at(0)->trigger();
        QVERIFY(m_messages.last().startsWith("No program could be found to open "));
        QVERIFY(m_messages.last().endsWith("help.html."));
    }

    void windowKeepsTurningDuringALongFile() {
        CVextoraDlg dialog;
        WriteText(m_inputs.filePath("long.svg"), LongDrawing());
        dialog.AddFiles({m_inputs.filePath("long.svg")});
        dialog.OutputFolderEdit()->setText(OutputFolder("long"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        int ticks = 0;
        bool commandsLocked = true, progressShown = false;
        QTimer timer;
        connect(&timer, &QTimer::timeout, [&] {
            if (!dialog.IsConverting()) return;
            ++ticks;
            commandsLocked = commandsLocked && !dialog.ConvertButton()->isEnabled() &&
                             !dialog.FillCheck()->isEnabled() &&
                             !dialog.OutputFolderEdit()->isEnabled();
            progressShown = progressShown || dialog.Progress()->isVisible();
        });
        timer.start(10);
        RunBatch(dialog);
        QVERIFY2(ticks >= 10, qPrintable(QString::number(ticks)));
        QVERIFY(commandsLocked);
        QVERIFY(progressShown);
        QVERIFY(!dialog.Progress()->isVisible());
        QVERIFY(dialog.ConvertButton()->isEnabled());
        QCOMPARE(dialog.FileList()->topLevelItem(0)->text(1), QStringLiteral("long.dxf"));
    }

    void stoppingMidBatchKeepsTheEarlierDxfAndClosesTheWindow() {
        const QString out = OutputFolder("stopped");
        const QString dxf = out + "/stopped.dxf";
        {
            CVextoraDlg earlierRun;
            earlierRun.AddFiles({Input("other/stopped.svg")});
            earlierRun.OutputFolderEdit()->setText(out);
            RunBatch(earlierRun);
        }
        const QByteArray earlier = ReadAll(dxf);
        QVERIFY(!earlier.isEmpty());
        m_messages.clear();

        CVextoraDlg dialog;
        WriteText(m_inputs.filePath("stopped.svg"), LongDrawing());
        dialog.AddFiles({m_inputs.filePath("stopped.svg"), Input("after.svg")});
        dialog.OutputFolderEdit()->setText(out);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QSignalSpy finished(&dialog, &CVextoraDlg::BatchFinished);
        dialog.Convert();
        QTRY_VERIFY(dialog.Progress()->isVisible());

        // No: the batch goes on. Yes (closing the window this time): it stops.
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(dialog.IsConverting() && dialog.isVisible());
        m_answer = QMessageBox::Yes;
        dialog.close();
        QVERIFY(finished.wait(60000));

        QCOMPARE(m_messages.size(), 2);  // the two questions, no final one
        QVERIFY(m_messages.first().contains("Stop the conversion"));
        QVERIFY(!dialog.isVisible());
        QVERIFY(dialog.FileList()->topLevelItem(0)->toolTip(1).endsWith(": interrupted"));
        QVERIFY(dialog.FileList()->topLevelItem(1)->text(1).isEmpty());
        QCOMPARE(QDir(out).entryList(QDir::Files | QDir::Hidden), QStringList({"stopped.dxf"}));
        QCOMPARE(ReadAll(dxf), earlier);
    }

    void stopKeepsTheWindowAndTheList() {
        const QString out = OutputFolder("stop");
        CVextoraDlg dialog;
        WriteText(m_inputs.filePath("halted.svg"), LongDrawing());
        const QStringList inputs = {m_inputs.filePath("halted.svg"), Input("next.svg"), Input("last.svg")};
        dialog.AddFiles(inputs);
        dialog.OutputFolderEdit()->setText(out);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QSignalSpy finished(&dialog, &CVextoraDlg::BatchFinished);
        dialog.Convert();
        QCOMPARE(dialog.CancelButton()->text(), QStringLiteral("Stop"));
        QTRY_VERIFY(dialog.Progress()->isVisible());
        QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
        QVERIFY(finished.wait(60000));

        QVERIFY(m_messages.isEmpty());  // neither a question nor the offer to open the folder
        QVERIFY(dialog.isVisible());
        QCOMPARE(Column(dialog, 0), inputs);
        QCOMPARE(Column(dialog, 1),
                 QStringList({"failed: interrupted", "not converted", "not converted"}));
        QCOMPARE(dialog.StatusLine()->text(),
                 QStringLiteral("Stopped: 0 converted, 1 failed, 2 not converted"));
        QCOMPARE(QDir(out).entryList(QDir::Files | QDir::Hidden), QStringList());
        QVERIFY(dialog.ConvertButton()->isEnabled() && dialog.CancelButton()->isEnabled());
        QCOMPARE(dialog.CancelButton()->text(), QStringLiteral("Cancel"));
    }

    void escOnAnIdleWindowAsksOnlyWhenFilesAreListed() {
        CVextoraDlg dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.AddFiles({"/x/1.svg"});
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(m_messages, QStringList({"Close Vextora? The list of files will be lost."}));
        QVERIFY(dialog.isVisible());
        m_answer = QMessageBox::Yes;
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());

        m_messages.clear();
        dialog.show();
        dialog.FileList()->clear();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QVERIFY(m_messages.isEmpty());
    }

    void columnsShareTheWidthOnResize() {
        CVextoraDlg dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTreeWidget* list = dialog.FileList();
        const auto checkShare = [list](double share) {
            const int width = list->viewport()->width();
            QVERIFY(qAbs(list->columnWidth(0) - share * width) <= 1);
            QCOMPARE(list->columnWidth(0) + list->columnWidth(1), width);
        };
        for (int width : {900, 1400, 700}) {
            dialog.resize(width, 500);
            QTRY_COMPARE(dialog.width(), width);
            checkShare(260.0 / 510.0);
        }
        // A divider the user dragged keeps its share from then on.
        list->header()->resizeSection(0, list->viewport()->width() / 4);
        dialog.resize(1200, 500);
        QTRY_COMPARE(dialog.width(), 1200);
        checkShare(0.25);
    }

    // The fill option and the SVG rules are both remembered in the profile.
    void optionsPersistAcrossDialogs() {
        QSettings settings("Local AppWizard-Generated Applications", "Vextora");
        settings.remove("Vextora/FillOption");
        settings.remove("Vextora/BrowserRules");
        {
            CVextoraDlg dialog;
            QCOMPARE(dialog.Converter().Options().fillOption, 1);
            QVERIFY(dialog.FillCheck()->isChecked());
            QVERIFY(!dialog.BrowserCheck()->isChecked());
            dialog.show();
            ClickFillCheck(dialog);
            ClickCheck(dialog.BrowserCheck());
            QCOMPARE(dialog.Converter().Options().fillOption, 0);
            QVERIFY(dialog.Converter().Options().svgRules == SvgRules::Browser);
        }
        settings.sync();
        QCOMPARE(settings.value("Vextora/FillOption").toInt(), 0);
        QCOMPARE(settings.value("Vextora/BrowserRules").toInt(), 1);
        {
            CVextoraDlg dialog;
            QCOMPARE(dialog.Converter().Options().fillOption, 0);
            QVERIFY(!dialog.FillCheck()->isChecked());
            QVERIFY(dialog.BrowserCheck()->isChecked());
            dialog.show();
            ClickFillCheck(dialog);
            ClickCheck(dialog.BrowserCheck());
        }
        settings.sync();
        QCOMPARE(settings.value("Vextora/FillOption").toInt(), 1);
        QCOMPARE(settings.value("Vextora/BrowserRules").toInt(), 0);
    }

    // The two boxes make three modes: outlines, hatches, hatches with their
    // outlines to cut; the second box counts only with the first.
    void fillChecksChooseTheFillMode_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("clicks");  // f: the fill box, c: the cut box
        QTest::addColumn<int>("chosen");
        QTest::addColumn<bool>("cutEnabled");
        QTest::newRow("both read back") << 2 << "" << 2 << true;
        QTest::newRow("out of range reads as hatch") << 7 << "" << 1 << true;
        QTest::newRow("outline greys the cut box") << 0 << "" << 0 << false;
        QTest::newRow("cut added to the hatch") << 1 << "c" << 2 << true;
        QTest::newRow("fill off drops the cut") << 2 << "f" << 0 << false;
        QTest::newRow("fill on again keeps the ticked cut") << 2 << "ff" << 2 << true;
    }
    void fillChecksChooseTheFillMode() {
        QFETCH(int, stored);
        QFETCH(QString, clicks);
        QFETCH(int, chosen);
        QFETCH(bool, cutEnabled);
        QSettings settings("Local AppWizard-Generated Applications", "Vextora");
        settings.setValue("Vextora/FillOption", stored);
        settings.sync();
        {
            CVextoraDlg dialog;
            dialog.show();
            for (QChar click : clicks) ClickCheck(click == 'f' ? dialog.FillCheck() : dialog.CutCheck());
            QCOMPARE(dialog.Converter().Options().fillOption, chosen);
            QCOMPARE(dialog.CutCheck()->isEnabled(), cutEnabled);
        }
        settings.sync();
        if (!clicks.isEmpty()) QCOMPARE(settings.value("Vextora/FillOption").toInt(), chosen);
    }

    void removeDeletesTheSelectedRows() {
        CVextoraDlg dialog;
        dialog.AddFiles({"/x/1.svg", "/x/2.svg", "/x/3.svg", "/x/4.svg"});
        dialog.FileList()->topLevelItem(0)->setSelected(true);
        dialog.FileList()->topLevelItem(2)->setSelected(true);
        dialog.Remove();
        QCOMPARE(Column(dialog, 0), QStringList({"/x/2.svg", "/x/4.svg"}));
        QVERIFY(dialog.FileList()->selectedItems().isEmpty());

        // Hundreds of files at once all arrive, in order, with their full paths.
        QStringList many;
        for (int i = 0; i < 600; ++i) many << QStringLiteral("/y/drawing-%1.svg").arg(i);
        dialog.AddFiles(many);
        QCOMPARE(Column(dialog, 0), QStringList({"/x/2.svg", "/x/4.svg"}) + many);
    }

    void droppedFilesAndFoldersAreAdded() {
        QTemporaryDir dropped;
        WriteText(dropped.filePath("b.svg"), kDrawing);
        WriteText(dropped.filePath("A.SVG"), kDrawing);
        WriteText(dropped.filePath("c.svgz"), kDrawing);
        WriteText(dropped.filePath("notes.txt"), "no drawing");
        QDir(dropped.path()).mkpath("nested");
        WriteText(dropped.filePath("nested/deep.svg"), kDrawing);
        const QString single = Input("single.svg");

        CVextoraDlg dialog;
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(single), QUrl::fromLocalFile(dropped.filePath("notes.txt")),
                      QUrl::fromLocalFile(dropped.path()), QUrl("http://example.com/x.svg")});
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&dialog, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&dialog, &drop);
        QCOMPARE(Column(dialog, 0), QStringList({single, dropped.filePath("A.SVG"),
                                                 dropped.filePath("b.svg"), dropped.filePath("c.svgz")}));
        QCOMPARE(dialog.StatusLine()->text(),
                 "http://example.com/x.svg: no such file or folder\n" + dropped.filePath("notes.txt") +
                     ": not an SVG file or folder");
        QCOMPARE(dialog.OutputFolderEdit()->text(), m_inputs.path() + "/");
    }

    void helpButtonOpensItsMenuAndChoosingNothingChangesNothing() {
        CVextoraDlg dialog;
        dialog.AddFiles({"/x/1.svg"});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QMenu* menu = dialog.HelpButton()->Menu();
        QStringList items;
        for (QAction* action : menu->actions()) items << action->text();
        QCOMPARE(items, QStringList({"&Help", "&About"}));

        bool shown = false;
        QTimer::singleShot(100, menu, [&] {
            shown = menu->isVisible();
            menu->close();
        });
        // A press on the face, away from the arrow, opens the menu too.
        QTest::mouseClick(dialog.HelpButton(), Qt::LeftButton, {}, QPoint(5, 5));
        QTRY_VERIFY(shown);
        QVERIFY(!menu->isVisible());
        QCOMPARE(Column(dialog, 0), QStringList({"/x/1.svg"}));
        QVERIFY(m_messages.isEmpty());

        // "&About" (and the window's "&About Vextora...") show the About box.
        for (QAction* about : {menu->actions().at(1), dialog.actions().at(0)}) {
            QString shownTitle;
            QTimer::singleShot(50, [&] {
                if (QWidget* box = QApplication::activeModalWidget()) {
                    shownTitle = box->windowTitle();
                    box->close();
                }
            });
            about->trigger();
            QCOMPARE(shownTitle, QStringLiteral("About Vextora"));
        }
        QCOMPARE(dialog.actions().at(0)->text(), QStringLiteral("&About Vextora..."));
    }
};

QTEST_MAIN(DialogTest)
#include "dialog_test.moc"
