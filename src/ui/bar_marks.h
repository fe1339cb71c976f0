// The marks of the converted text, coloured so that they are seen at a glance:
// a list of alternatives ("ves|vez"), a word not found ("|kasa") and a word
// with one candidate ("casa|"). Only the colours change; the text stays
// exactly what the engine wrote.
#pragma once

#include <QList>
#include <QString>
#include <QSyntaxHighlighter>
#include <optional>

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

// One word of a marked run: an alternative of a list, or the word of a
// not-found or changed mark.
struct MarkedWord {
    qsizetype start = 0; // in the whole text
    QString text;
};

struct MarkAtCaret {
    MarkedRun run; // its start counted in the whole text
    QList<MarkedWord> words;
    // The word the caret is in or touches; -1 when it is on a bar between two.
    qsizetype current = -1;
};

// The marked run that holds or touches the caret (0 = before the first
// character), if any.
std::optional<MarkAtCaret> FindMarkAt(const QString& text, qsizetype caret);

class BarHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
  public:
    explicit BarHighlighter(QTextDocument* document);
    static QTextCharFormat Format(BarMark mark);

  protected:
    void highlightBlock(const QString& text) override;
};

} // namespace vorlen::ui
