// The text progress bar: when SetPos stores and repaints, what it shows, and
// how the conversion shows and hides it from another thread.
#include <thread>

#include <QtTest>

#include "app/text_progress_ctrl.h"

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++count;
        return false;
    }
};

}  // namespace

class ControlsTest : public QObject {
    Q_OBJECT

private slots:
    void setPosNeedsAWindowAndRepaintsOnlyWhenTheBarWidthChanges() {
        CTextProgressCtrl bar;
        bar.SetRange(0, 100);
        QCOMPARE(bar.SetPosition(30), -1);  // no window yet: nothing stored
        QCOMPARE(bar.GetPos(), 0);

        bar.resize(50, 20);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        PaintCounter paints;
        bar.installEventFilter(&paints);

        QCOMPARE(bar.SetPosition(10), 0);  // 5 pixels: drawn at once
        QCOMPARE(paints.count, 1);
        QCOMPARE(bar.SetPosition(11), 10);  // 5.5 pixels cut to 5: no repaint
        QCOMPARE(paints.count, 1);
        QCOMPARE(bar.GetPos(), 11);
        QCOMPARE(bar.SetPosition(12), 11);  // 6 pixels
        QCOMPARE(paints.count, 2);
        QCOMPARE(bar.SetPosition(100), 12);
        QCOMPARE(bar.SetPosition(100), 100);
        QCOMPARE(paints.count, 3);

        bar.SetRange(0, 0);  // an empty range draws no bar rather than dividing by zero
        bar.SetTextMode(true);
        QCOMPARE(bar.SetPosition(5), 100);
        QCOMPARE(bar.DisplayedText(), QStringLiteral("0%"));
    }

    void showsTheTextElseThePercentage() {
        CTextProgressCtrl bar;
        bar.SetRange(0, 200);
        bar.resize(300, 20);
        QCOMPARE(bar.DisplayedText(), QString());  // no text mode, no text
        bar.SetTextMode(true);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        bar.SetPosition(50);
        QCOMPARE(bar.DisplayedText(), QStringLiteral("25%"));

        // The conversion drives the bar from its worker thread; the calls
        // arrive in order once the bar's thread turns its event loop.
        IProgressSink& sink = bar;
        std::thread([&sink] { sink.Hide(); }).join();
        QVERIFY(bar.isVisible());
        QTRY_VERIFY(!bar.isVisible());
        std::thread([&sink] {
            sink.Show("/in/plan.svg");
            for (int percent : {0, 0, 40, 40}) sink.SetPos(percent);
        }).join();
        QTRY_COMPARE(bar.GetPos(), 40);
        QVERIFY(bar.isVisible());
        QCOMPARE(bar.DisplayedText(), QStringLiteral("/in/plan.svg"));
        // A second file's first position gets through though it equals the last one.
        std::thread([&sink] {
            sink.Show("/in/next.svg");
            sink.SetPos(40);
        }).join();
        bar.SetPosition(0);
        QTRY_COMPARE(bar.GetPos(), 40);

        // The text is drawn in the empty part's colour over the empty part.
        const QImage picture = bar.grab().toImage();
        const QColor empty = bar.palette().color(QPalette::Base);
        const QColor filled = bar.palette().color(QPalette::Highlight);
        QCOMPARE(picture.pixelColor(2, 2), filled);
        QCOMPARE(picture.pixelColor(picture.width() - 2, 2), empty);
    }
};

QTEST_MAIN(ControlsTest)
#include "controls_test.moc"
