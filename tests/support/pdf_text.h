#pragma once

#include <QString>

// The text of a PDF file as pdftotext reads it; empty when it cannot be read.
QString pdfText(const QString& pdf);
