#pragma once

// The words of a PDF file with their boxes, as poppler's `pdftotext -bbox`
// reads them (millimetres from the page's top-left corner).

#include <QRectF>
#include <QString>
#include <vector>

namespace kovara::test {

struct PdfWord
{
    QString text;
    QRectF box; // mm
};

struct PdfPage
{
    double width = 0, height = 0; // mm
    std::vector<PdfWord> words;

    // The box of a text (words separated by blanks) found as consecutive
    // words on one line; the n-th such place (from 0). Empty when absent.
    QRectF find(const QString &text, int n = 0) const;
    int count(const QString &text) const;
    QString joined() const; // every word, separated by blanks
};

// Fails the test (empty result) when pdftotext cannot read the file.
std::vector<PdfPage> readPdf(const QString &path);

} // namespace kovara::test
