#include "support/dxf_readback.h"

#include <QJsonDocument>
#include <QProcess>
#include <gtest/gtest.h>

QJsonObject readDxfBack(const QString& path) {
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral(YZ_SOURCE_DIR "/tests/support/dxf_readback.py"), path});
    if (!python.waitForFinished(60000) || python.exitStatus() != QProcess::NormalExit ||
        python.exitCode() != 0) {
        ADD_FAILURE() << "ezdxf could not read " << path.toStdString() << ": "
                      << python.errorString().toStdString() << "\n"
                      << python.readAllStandardError().toStdString();
        return {};
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(python.readAllStandardOutput(), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return document.object();
}
