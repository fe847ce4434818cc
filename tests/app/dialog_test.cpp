// The main dialog end to end: adding, removing and dropping files, the
// output folder rules, the batch with its results and messages, the fill
// option kept in the settings, and the Help button's menu.
#include <QCheckBox>
#include <QDir>
#include <QFile>
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

const char kDrawing[] =
    "<svg width=\"100\" height=\"80\"><g id=\"parts\">"
    "<line x1=\"0\" y1=\"0\" x2=\"40\" y2=\"30\" stroke=\"black\"/></g></svg>\n";

void WriteText(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QString OutputFolder(const QString& name) {
    const QString folder = QStringLiteral(VX_TEST_DXF_DIR "/app/") + name;
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

    // On the box itself: the check box's wide row reacts only to its box and text.
    static void ClickFillCheck(CVextoraDlg& dialog) {
        QTest::mouseClick(dialog.FillCheck(), Qt::LeftButton, {},
                          QPoint(6, dialog.FillCheck()->height() / 2));
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
        SetMessageBoxHook([this](const QString& text, QMessageBox::StandardButtons) {
            m_messages << text;
            return QMessageBox::No;
        });
        QDir(m_inputs.path()).mkpath(QStringLiteral("other"));
    }

    void init() { m_messages.clear(); }

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
        dialog.Convert();
        dialog.AddFiles({b});
        QCOMPARE(dialog.OutputFolderEdit()->text(), out);
        QCOMPARE(dialog.Converter().m_strOutputFolder, (out + "/").toStdString());
    }

    void outputFolderIsTrimmedAndGetsASeparator() {
        CVextoraDlg dialog;
        dialog.AddFiles({Input("a.svg")});
        const QString out = OutputFolder("trimmed");
        dialog.OutputFolderEdit()->setText(out + "   ");
        dialog.Convert();
        QCOMPARE(dialog.Converter().m_strOutputFolder, (out + "/").toStdString());
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
        dialog.Convert();

        QCOMPARE(Column(dialog, 1),
                 QStringList({"first.dxf", "Convert\t" + missing + " failed.", "third.dxf"}));
        QVERIFY(QFile::exists(out + "first.dxf"));
        QVERIFY(QFile::exists(out + "third.dxf"));
        QVERIFY(!QFile::exists(out + "missing.dxf"));
        QCOMPARE(m_messages.size(), 1);  // only the final question
        QVERIFY(m_messages.first().endsWith("Output folder is " + out));
        QVERIFY(!dialog.Progress()->isVisible());
        QCOMPARE(dialog.Progress()->GetPos(), 100);
        QCOMPARE(dialog.FileList()->currentItem(), dialog.FileList()->topLevelItem(2));
        QVERIFY(dialog.FileList()->selectedItems().isEmpty());

        // A second batch converts every row again and overwrites the results.
        dialog.FileList()->topLevelItem(0)->setText(1, "stale");
        dialog.Convert();
        QCOMPARE(Column(dialog, 1).first(), QStringLiteral("first.dxf"));
    }

    void convertWarnsAboutAnEmptyListOrFolder() {
        CVextoraDlg dialog;
        dialog.OutputFolderEdit()->setText(OutputFolder("unused"));
        dialog.Convert();
        QCOMPARE(m_messages, QStringList({"Select svg file."}));
        QVERIFY(dialog.Converter().m_strOutputPath.empty());

        m_messages.clear();
        dialog.AddFiles({Input("a.svg")});
        dialog.OutputFolderEdit()->setText(" \t ");
        dialog.Convert();
        QCOMPARE(m_messages, QStringList({"Select output folder."}));
        QVERIFY(dialog.Converter().m_strOutputPath.empty());
        QCOMPARE(Column(dialog, 1), QStringList({QString()}));
    }

    void engineWarningReachesAMessageBox() {
        CVextoraDlg dialog;
        QVERIFY(dialog.Converter().m_pMessages != nullptr);
        dialog.Converter().m_pMessages->ShowMessage("Warning Tag Block is Incomplete");
        QCOMPARE(m_messages, QStringList({"Warning Tag Block is Incomplete"}));
    }

    void fillOptionPersistsAcrossDialogs() {
        QSettings settings("Local AppWizard-Generated Applications", "Vextora");
        settings.remove("Vextora/FillOption");
        {
            CVextoraDlg dialog;
            QCOMPARE(dialog.Converter().m_bFillOption, 1);
            QVERIFY(dialog.FillCheck()->isChecked());
            dialog.show();
            ClickFillCheck(dialog);
            QCOMPARE(dialog.Converter().m_bFillOption, 0);
        }
        settings.sync();
        QCOMPARE(settings.value("Vextora/FillOption").toInt(), 0);
        {
            CVextoraDlg dialog;
            QCOMPARE(dialog.Converter().m_bFillOption, 0);
            QVERIFY(!dialog.FillCheck()->isChecked());
            dialog.show();
            ClickFillCheck(dialog);
        }
        settings.sync();
        QCOMPARE(settings.value("Vextora/FillOption").toInt(), 1);
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
                                                 dropped.filePath("b.svg")}));
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
