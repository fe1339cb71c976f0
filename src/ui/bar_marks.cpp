#include "ui/bar_marks.h"

#include "ui/text_box.h"

#include <QColor>
#include <QTextCharFormat>
#include <algorithm>

namespace vorlen::ui {

namespace {

BarMark Classify(QStringView run) {
    qsizetype words = 0;
    for (qsizetype k = 0; k < run.size(); ++k)
        if (run[k] != u'|' && (k == 0 || run[k - 1] == u'|')) ++words;
    if (words >= 2) return BarMark::Alternatives;
    return run.front() == u'|' ? BarMark::NotFound : BarMark::OneCandidate;
}

} // namespace

QList<MarkedRun> FindBarMarks(const QString& line) {
    QList<MarkedRun> marks;
    for (qsizetype start = 0; start < line.size();) {
        qsizetype end = start;
        bool bar = false;
        while (end < line.size() && (line[end] == u'|' || IsWordLetter(line[end]))) {
            bar = bar || line[end] == u'|';
            ++end;
        }
        if (bar) {
            const QStringView run = QStringView(line).sliced(start, end - start);
            marks.append({start, end - start, Classify(run)});
        }
        start = end == start ? end + 1 : end;
    }
    return marks;
}

std::optional<MarkAtCaret> FindMarkAt(const QString& text, qsizetype caret) {
    caret = std::clamp<qsizetype>(caret, 0, text.size());
    const qsizetype lineStart = caret == 0 ? 0 : text.lastIndexOf(u'\n', caret - 1) + 1;
    qsizetype lineEnd = text.indexOf(u'\n', caret);
    if (lineEnd < 0) lineEnd = text.size();
    for (MarkedRun run : FindBarMarks(text.mid(lineStart, lineEnd - lineStart))) {
        run.start += lineStart;
        if (caret < run.start || caret > run.start + run.length) continue;
        MarkAtCaret found{run, {}, -1};
        for (qsizetype k = run.start; k < run.start + run.length;) {
            qsizetype end = k;
            while (end < run.start + run.length && text[end] != u'|')
                ++end;
            if (end > k) {
                if (caret >= k && caret <= end) found.current = found.words.size();
                found.words.append({k, text.mid(k, end - k)});
            }
            k = end + 1;
        }
        return found;
    }
    return std::nullopt;
}

BarHighlighter::BarHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {}

// Dark text on a light ground, readable under light and dark themes alike.
QTextCharFormat BarHighlighter::Format(BarMark mark) {
    QTextCharFormat format;
    switch (mark) {
    case BarMark::Alternatives:
        format.setForeground(QColor(0x1a, 0x3f, 0x8f));
        format.setBackground(QColor(0xd6, 0xe6, 0xff));
        break;
    case BarMark::NotFound:
        format.setForeground(QColor(0x9b, 0x1c, 0x1c));
        format.setBackground(QColor(0xfd, 0xd8, 0xd8));
        break;
    case BarMark::OneCandidate:
        format.setForeground(QColor(0x6b, 0x4e, 0x00));
        format.setBackground(QColor(0xff, 0xf0, 0xb8));
        break;
    }
    return format;
}

void BarHighlighter::highlightBlock(const QString& text) {
    for (const MarkedRun& run : FindBarMarks(text))
        setFormat(static_cast<int>(run.start), static_cast<int>(run.length), Format(run.mark));
}

} // namespace vorlen::ui
