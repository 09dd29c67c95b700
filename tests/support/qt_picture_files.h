#pragma once

// Reading pictures back, for the tests of the route view's PNG, SVG and PDF files (Qt tests
// only: header-only, so that the core's tests need no Qt).

#include <QByteArray>
#include <QFile>
#include <QRegularExpression>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QXmlStreamReader>
#include <sys/resource.h>

// The bytes of a file, empty when it cannot be read.
inline QByteArray DateiBytes(const QString& pfad) {
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

// The pages of a PDF file: its page objects, "/Type /Page" but not "/Type /Pages".
inline int PdfSeiten(const QByteArray& pdf) {
    return static_cast<int>(
        QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

// The size in points of the (first) page of a PDF file.
inline QSizeF PdfSeitengroesse(const QByteArray& pdf) {
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"))
            .match(QString::fromLatin1(pdf));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

// The root element of an SVG file and its view box ("svg 0 0 800 400"); empty when the file is
// no well-formed XML.
inline QString SvgAnsicht(const QByteArray& svg) {
    QXmlStreamReader xml(svg);
    QString ansicht;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && ansicht.isNull())
            ansicht = xml.name().toString() + ' ' + xml.attributes().value("viewBox").toString();
    return xml.hasError() ? QString() : ansicht;
}

// The size a PNG file states in its header, read without decoding a picture that may be too
// large to hold; empty when the bytes do not begin as a PNG file does.
inline QSize PngGroesse(const QByteArray& png) {
    if (!png.startsWith("\x89PNG\r\n\x1a\n") || png.size() < 24 || png.mid(12, 4) != "IHDR")
        return {};
    const auto zahl = [&](int stelle) {
        int n = 0;
        for (int i = 0; i < 4; ++i)
            n = n << 8 | static_cast<uchar>(png[stelle + i]);
        return n;
    };
    return QSize(zahl(16), zahl(20));
}

// The largest resident memory, in MB, of this process (`kinder` false) or of the largest of its
// child processes that ended and were waited for.
inline long SpitzenspeicherMB(bool kinder) {
    rusage r{};
    getrusage(kinder ? RUSAGE_CHILDREN : RUSAGE_SELF, &r);
    return r.ru_maxrss / 1024;
}
