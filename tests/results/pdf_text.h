#pragma once

#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <optional>

// The words of a PDF as pdftotext -bbox sees them, in millimetres from the top left of the page.
struct PdfWord {
    QString text;
    QRectF box;
};

struct PdfPage {
    qreal widthMm = 0;
    qreal heightMm = 0;
    QList<PdfWord> words;

    // The boxes of every run of consecutive words on one line that together read `phrase`.
    QList<QRectF> find(const QString& phrase) const {
        const QStringList parts = phrase.split(u' ', Qt::SkipEmptyParts);
        QList<QRectF> found;
        for (qsizetype i = 0; i + parts.size() <= words.size(); ++i) {
            QRectF box;
            bool match = true;
            for (qsizetype k = 0; k < parts.size() && match; ++k) {
                const PdfWord& w = words[i + k];
                match = w.text == parts[k] && (k == 0 || std::abs(w.box.top() - box.top()) < 0.5);
                box = k == 0 ? w.box : box.united(w.box);
            }
            if (match && !parts.isEmpty())
                found << box;
        }
        return found;
    }

    // The words whose top lies within 0.5 mm of y, left to right, joined by blanks.
    QString lineAt(qreal yMm) const {
        QList<PdfWord> line;
        for (const PdfWord& w : words)
            if (std::abs(w.box.top() - yMm) < 0.5)
                line << w;
        std::sort(line.begin(), line.end(),
                  [](const PdfWord& a, const PdfWord& b) { return a.box.left() < b.box.left(); });
        QStringList texts;
        for (const PdfWord& w : line)
            texts << w.text;
        return texts.join(u' ');
    }
};

inline bool HavePdfToText() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

inline std::optional<QList<PdfPage>> ReadPdfWords(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return std::nullopt;
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    constexpr qreal mm = 25.4 / 72;
    static const QRegularExpression pageRe(
        QString::fromLatin1(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
    static const QRegularExpression wordRe(QString::fromLatin1(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<PdfPage> pages;
    const QStringList chunks = out.split(QStringLiteral("<page "));
    for (qsizetype c = 1; c < chunks.size(); ++c) {
        const QString chunk = QStringLiteral("<page ") + chunks[c];
        const auto pm = pageRe.match(chunk);
        if (!pm.hasMatch())
            return std::nullopt;
        PdfPage page;
        page.widthMm = pm.captured(1).toDouble() * mm;
        page.heightMm = pm.captured(2).toDouble() * mm;
        for (auto it = wordRe.globalMatch(chunk); it.hasNext();) {
            const auto m = it.next();
            QString text = m.captured(5);
            text.replace(QStringLiteral("&amp;"), QStringLiteral("&"))
                .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
                .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
                .replace(QStringLiteral("&quot;"), QStringLiteral("\""));
            const QPointF topLeft(m.captured(1).toDouble() * mm, m.captured(2).toDouble() * mm);
            const QPointF bottomRight(m.captured(3).toDouble() * mm, m.captured(4).toDouble() * mm);
            page.words << PdfWord{text, QRectF(topLeft, bottomRight)};
        }
        pages << page;
    }
    return pages;
}
