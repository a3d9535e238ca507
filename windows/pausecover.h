// The paused game: a veil over the pond that says so in the player's language, spread over the
// whole main window so that a click anywhere goes on with the game and presses nothing else.
#pragma once

#include <QFont>
#include <QPointer>
#include <QWidget>

namespace nuyo {

class PauseCover : public QWidget
{
    Q_OBJECT
public:
    // Over `window`, the veil and the words over `pond`.
    PauseCover(QWidget *window, QWidget *pond, const QFont &font);

    void setText(const QString &text);

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    QPointer<QWidget> m_pond;
    QString m_text;
};

} // namespace nuyo
