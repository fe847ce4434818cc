#pragma once
// A progress bar that writes its text (the file being converted, else the
// percentage) across the bar in crossed colours, so the text reads over the
// filled and the empty part alike. It is the conversion's progress sink:
// the conversion runs on a worker thread, so the sink's calls only record
// the bar's next state, under a lock, and a queued signal has the bar's own
// thread, which alone touches the widget, take it over.
#include <mutex>
#include <string>

#include <QColor>
#include <QString>
#include <QWidget>

#include "platform/progress_sink.h"

class CTextProgressCtrl : public QWidget, public IProgressSink {
    Q_OBJECT
public:
    explicit CTextProgressCtrl(QWidget* parent = nullptr);

    // Stores the position and repaints at once when the filled width in
    // pixels changes. Returns the previous position, -1 while the window
    // does not exist yet (nothing is stored then).
    int SetPosition(int position);
    int GetPos() const { return m_nPos; }
    void SetRange(int minimum, int maximum);
    void SetTextMode(bool on);
    void SetDisplayText(const QString& text);
    QString DisplayedText() const;  // what the bar shows now

    // IProgressSink, callable from any thread; takes effect once the bar's
    // thread runs its event loop.
    void Show(const std::string& text) override;
    void SetPos(int percent) override;
    void Hide() override;

    QSize sizeHint() const override;

    // Applies what the conversion last reported. Queued after each report; the
    // window also calls it once the batch's thread has ended, because the
    // batch's end may be taken before a report queued ahead of it.
    void TakeSinkState();

signals:
    void SinkStateChanged();  // emitted on the conversion's thread

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool WindowExists() const;
    void PostSinkState();  // with m_sinkLock held
    int BarWidth(int clientWidth) const;

    int m_nPos = 0;
    int m_nMin = 0;
    int m_nMax = 100;
    bool m_bTextMode = false;
    QString m_strText;
    int m_nBarWidth = -1;  // last drawn width of the filled part
    QColor m_crBar;
    QColor m_crEmpty;
    QColor m_crTextOverBar;
    QColor m_crTextOverEmpty;
    // What the sink calls asked for since the bar last took it over; the
    // walk reports the same percentage many times, only changes count.
    struct CSinkState {
        bool visible = false;
        QString text;
        int pos = -1;
        bool textChanged = false;
        bool posChanged = false;
        bool posted = false;  // a SinkStateChanged is on its way
    };
    std::mutex m_sinkLock;
    CSinkState m_sink;
};
