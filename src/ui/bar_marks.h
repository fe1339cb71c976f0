// The marks of the converted text, coloured so that they are seen at a glance:
// a list of alternatives ("ves|vez"), a word not found ("|kasa") and a word
// with one candidate ("casa|"). Only the colours change; the text stays
// exactly what the engine wrote.
#pragma once

#include <QList>
#include <QString>
#include <QSyntaxHighlighter>

namespace vorlen::ui {

enum class BarMark { Alternatives, NotFound, OneCandidate };

struct MarkedRun {
    qsizetype start = 0;
    qsizetype length = 0;
    BarMark mark = BarMark::Alternatives;
    bool operator==(const MarkedRun&) const = default;
};

// The runs of letters and bars in one line of the converted text that hold a
// bar, in order.
QList<MarkedRun> FindBarMarks(const QString& line);

class BarHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
  public:
    explicit BarHighlighter(QTextDocument* document);
    static QTextCharFormat Format(BarMark mark);

  protected:
    void highlightBlock(const QString& text) override;
};

} // namespace vorlen::ui
