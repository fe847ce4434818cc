#include "app/list_columns.h"

#include <QEvent>
#include <QHeaderView>
#include <QTreeWidget>

namespace {

// Lives as a child of the list; watches its viewport's size and the first
// column's divider.
class CColumnSharer : public QObject {
public:
    CColumnSharer(QTreeWidget* list, double firstShare)
        : QObject(list), m_pList(list), m_dShare(firstShare) {
        list->header()->setStretchLastSection(true);
        list->viewport()->installEventFilter(this);
        connect(list->header(), &QHeaderView::sectionResized, this,
                [this](int column, int, int width) { OnDividerMoved(column, width); });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize) ApplyShare();
        return false;
    }

private:
    int ListWidth() const { return m_pList->viewport()->width(); }

    void ApplyShare() {
        m_bApplying = true;
        m_pList->setColumnWidth(0, int(m_dShare * ListWidth()));
        m_bApplying = false;
    }

    void OnDividerMoved(int column, int width) {
        if (column == 0 && !m_bApplying && ListWidth() > 0)
            m_dShare = qBound(0.0, double(width) / ListWidth(), 1.0);
    }

    QTreeWidget* m_pList;
    double m_dShare;
    bool m_bApplying = false;
};

}  // namespace

void ShareColumnWidths(QTreeWidget* list, double firstShare) {
    new CColumnSharer(list, firstShare);
}
