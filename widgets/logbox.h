// The main window's catch log: lines of text in an etched box, the last one always in sight.
#pragma once

#include <QColor>
#include <QStringList>
#include <QTextLayout>
#include <QWidget>
#include <memory>
#include <vector>

namespace nuyo {

// Multi-line and read-only, it never keeps the focus for itself. Lines sit a margin inside the box
// and never wrap; a log longer than the box scrolls by whole lines, with the wheel or a slim bar
// at its right edge, and a new line brings the end back into sight.
//
// It draws itself with one text layout a line: a text editor's document, its undo stack and its
// styled scroll bar would cost more memory than the rest of the main window's controls.
class LogBox : public QWidget
{
    Q_OBJECT
public:
    explicit LogBox(QWidget *parent = nullptr);
    ~LogBox() override;

    void setBackColor(const QColor &c);
    void setForeColor(const QColor &c);
    // Text as the game writes it, with CR LF line breaks.
    QString text() const { return m_text; }
    void setText(const QString &text);
    void appendText(const QString &text);
    // The text as it is shown, one line to a "\n".
    QString shownText() const { return m_lines.join(QLatin1Char('\n')); }
    // The first line in sight, and the furthest the log scrolls down.
    int topLine() const { return m_top; }
    int lastTopLine() const;

Q_SIGNALS:
    void gotFocus();

protected:
    void paintEvent(QPaintEvent *e) override;
    void changeEvent(QEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void wheelEvent(QWheelEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;

private:
    void layOut(const QStringList &lines);
    std::unique_ptr<QTextLayout> layOutLine(const QString &line);
    void setLooks(QPalette pal);
    QRect textArea() const;
    QRect barArea() const;
    QRect handle() const;
    int linesInSight() const;
    qreal lineTop(int line) const; // where a line starts in the text area while it is in sight
    void scrollToEnd();
    void scrollPage(int direction);
    void setTop(int top);
    void keepEndInSight();
    int furthestShift() const;

    QString m_text;
    QStringList m_lines;
    std::vector<std::unique_ptr<QTextLayout>> m_layouts; // one a line, in the current font
    qreal m_widest = 0;                                  // the widest line with its margins
    int m_shift = 0;                                     // how far the lines are shifted left
    int m_top = 0;
    qreal m_wheelRest = 0; // part of a line the wheel has turned and the log not yet scrolled
    int m_dragFrom = -1;   // where the handle was caught, from its top; -1 while it is not held
};

} // namespace nuyo
