#include "app/batch_tally.h"

#include <QCoreApplication>

#include "app/batch_worker.h"

void CBatchTally::Count(const CRowResult& result) {
    if (!result.converted) {
        ++failed;
        return;
    }
    ++converted;
    if (!result.warnings.isEmpty()) ++warned;
}

QString CBatchTally::StatusText() const {
    QString text = QCoreApplication::translate("CVextoraDlg", "%1 converted, %2 failed")
                       .arg(converted)
                       .arg(failed);
    if (warned > 0)
        text += QCoreApplication::translate("CVextoraDlg", " (%1 with warnings)").arg(warned);
    if (notStarted > 0)
        text += QCoreApplication::translate("CVextoraDlg", ", %1 not converted").arg(notStarted);
    return text;
}

QString CBatchTally::FailedLead() const {
    if (failed == 0) return QString();
    return failed == 1 ? QCoreApplication::translate("CVextoraDlg", "1 file failed.")
                       : QCoreApplication::translate("CVextoraDlg", "%1 files failed.").arg(failed);
}
