#include "support/pdf_text.h"

#include <QProcess>

QString pdfText(const QString& pdf) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000)) {
        return {};
    }
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}
