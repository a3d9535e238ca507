#include "support/player.h"

#include "ranking/form4.h"
#include "report/form3.h"

#include <QImage>
#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace nuyo {

Player::Player(Harness &h, Style style) : m_h(h), m_style(style)
{
    m_h.host.onDialog = [this](QWidget *w) {
        if (auto *report = qobject_cast<Form3 *>(w)) {
            // Read the report for a moment once it is all there, then OK.
            whenReadyForOk(report, [this, report] {
                m_h.host.after(1.0, [report] {
                    if (report->isVisible() && report->Command1->isEnabled())
                        report->Command1->press(1);
                });
            });
        } else if (auto *ranking = qobject_cast<Form4 *>(w)) {
            m_h.host.after(1.0, [this, ranking] {
                if (ranking->Text1->isVisible()) {
                    for (QChar c : rankingName)
                        ranking->Text1->typeChar(c);
                    ranking->Text1->typeChar(QChar(13));
                }
                m_h.host.after(1.0, [ranking] { ranking->Command1->press(1); });
            });
        }
    };
}

bool Player::floatLeftRest()
{
    // The float is a narrow column of the float picture's colours in the close-up box: find its
    // top row by comparing against the box's own background picture.
    PictureBox *box = m_h.form().PicUKI;
    if (!box->isVisible())
        return false;
    const QImage &shown = box->image();
    const QImage back = box->picture();
    const GameState &g = m_h.g();
    // The player follows the float sideways and looks for its tip.
    const int x0 = std::max(0, g.FloatX - 8), x1 = std::min(shown.width(), g.FloatX + 8);
    int top = -1;
    if (x1 > x0 && back.format() == shown.format()) {
        const int rows = std::min(shown.height(), back.height());
        const size_t bytes = size_t(x1 - x0) * 4;
        for (int y = 0; y < rows && top < 0; ++y)
            if (std::memcmp(shown.constScanLine(y) + x0 * 4, back.constScanLine(y) + x0 * 4, bytes) != 0)
                top = y;
    } else if (x1 > x0 && back.format() == QImage::Format_Indexed8 && shown.format() == QImage::Format_RGB32) {
        // The box keeps a palette picture as it is: its colours, looked up, against the drawing.
        std::array<QRgb, 256> colours;
        colours.fill(0xff000000u);
        const QList<QRgb> table = back.colorTable();
        for (qsizetype i = 0; i < std::min<qsizetype>(table.size(), 256); ++i)
            colours[i] = table[i] | 0xff000000u;
        const int rows = std::min(shown.height(), back.height());
        for (int y = 0; y < rows && top < 0; ++y) {
            const auto *seen = reinterpret_cast<const QRgb *>(shown.constScanLine(y));
            const uchar *under = back.constScanLine(y);
            for (int x = x0; x < x1 && top < 0; ++x)
                if (seen[x] != colours[under[x]])
                    top = y;
        }
    }
    const int restTop = g.BaitTime + 20;
    // Gone from view, or a bite's depth (five pixels or more) above or below its rest.
    return top < 0 || std::abs(top - restTop) >= 5;
}

void Player::fight()
{
    // A person clicks a few times a second at most: pull while the line is blue, give line
    // when it turns red, and wait while it warns in yellow.
    if (m_h.host.now() - m_lastPress < 0.3)
        return;
    Form1 &f = m_h.form();
    const QColor line = m_h.game().lineColour;
    if (m_style == Style::Greedy) {
        ++pulls;
        m_lastPress = m_h.host.now();
        f.Command1->press(1);
    } else if (line == Colour::DangerLine) {
        ++slacks;
        m_lastPress = m_h.host.now();
        f.Command1->press(2);
    } else if (line == Colour::SlackLine) {
        ++pulls;
        m_lastPress = m_h.host.now();
        f.Command1->press(1);
    }
}

void Player::look()
{
    Form1 &f = m_h.form();
    if (!f.isEnabled() || !f.Command1->isEnabled())
        return;
    const QString caption = f.Command1->text();
    if (caption == Action::caption(Action::Cast) && m_style != Style::NeverStrikes && followsHints) {
        // The comment line names the bait the fish take now; follow it before casting.
        const QString hint = f.Label3->text();
        const QString lead = QStringLiteral("エサ合わせは『 ");
        if (hint.startsWith(lead)) {
            for (ColourButton *b : f.Command3)
                if (hint.mid(lead.size()).startsWith(b->text() + QStringLiteral(" 』")) &&
                    b->backColor() != Colour::ChosenBait)
                    b->press(1);
        }
    }
    if (caption == Action::caption(Action::Cast) || caption == Action::caption(Action::BaitLost)) {
        f.Command1->press(1);
    } else if (caption == Action::caption(Action::Strike) && m_style != Style::NeverStrikes) {
        if (floatLeftRest()) {
            ++strikes;
            f.Command1->press(1);
        }
    } else if (caption == Action::caption(Action::Fight)) {
        fight();
    }
}

bool Player::playGame(double limit)
{
    const double end = m_h.host.now() + limit;
    auto tick = std::make_shared<std::function<void()>>();
    std::weak_ptr<std::function<void()>> weak = tick;
    *tick = [this, weak, end] {
        auto self = weak.lock();
        if (!self || m_h.host.now() > end || !m_h.app->form1)
            return;
        if (m_h.form().Command1->text() == Action::caption(Action::End))
            return;
        m_h.host.after(period, [self] { (*self)(); });
        look();
    };
    m_h.host.after(period, [tick] { (*tick)(); });
    m_h.host.runUntil(end, [this] { return m_h.form().Command1->text() == Action::caption(Action::End); });
    return m_h.form().Command1->text() == Action::caption(Action::End);
}

} // namespace nuyo
