#include "platform/prompts.h"

#include <QStringList>

QString toQtFileFilter(const QString& pipeFilter) {
    const QStringList parts = pipeFilter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        QString patterns = parts[i + 1].trimmed();
        patterns.replace(u';', u' ');
        if (description.contains(u'(')) {
            filters << description;
        } else {
            filters << description + QStringLiteral(" (") + patterns + u')';
        }
    }
    if (parts.size() % 2 == 1 && !parts.last().trimmed().isEmpty()) {
        filters << parts.last().trimmed();
    }
    return filters.join(QStringLiteral(";;"));
}
