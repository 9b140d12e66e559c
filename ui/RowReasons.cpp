#include "ui/RowReasons.h"

#include <QStringList>

#include "actions/CSCAction.h"

QString RowReasons(IStepchain* action)
{
    QStringList lines;
    for (const InvalidReason& reason : CSCAction::AsAction(action)->GetInvalidReasons())
        lines.push_back(QString::fromStdString(reason.japanese));
    return lines.join(u'\n');
}
