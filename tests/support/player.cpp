#include "support/player.h"

#include <memory>

namespace nuyo {

Player::Player(Seat &seat, Style style) : m_seat(seat), m_style(style)
{
    m_seat.answerDialogs([this] { return rankingName; });
}

void Player::pressAction(int button)
{
    m_lastPress = m_seat.clock().now();
    m_seat.press(Control::Action, button);
}

void Player::fight()
{
    // A person clicks a few times a second at most: pull while the line is blue, give line
    // when it turns red, and wait while it warns in yellow.
    if (m_seat.clock().now() - m_lastPress < 0.3)
        return;
    const QColor line = m_seat.play().lineColour();
    if (m_style == Style::Greedy) {
        ++pulls;
        pressAction(Mouse::Left);
    } else if (line == Colour::DangerLine) {
        ++slacks;
        pressAction(Mouse::Right);
    } else if (line == Colour::SlackLine) {
        ++pulls;
        pressAction(Mouse::Left);
    }
}

void Player::look()
{
    if (!m_seat.actionUsable())
        return;
    const GameState &g = m_seat.play().state();
    if (g.ActionState == Action::Cast && m_style != Style::NeverStrikes && followsHints) {
        // The comment line names the bait the fish take now; follow it before casting.
        const QString hint = m_seat.commentShown();
        const QString lead = QStringLiteral("エサ合わせは『 ");
        if (hint.startsWith(lead)) {
            for (int bait = Bait::Hard; bait <= Bait::Soft; ++bait)
                if (hint.mid(lead.size()).startsWith(Bait::caption(bait) + QStringLiteral(" 』")) &&
                    g.BaitSetting != bait)
                    m_seat.press(Control::Bait, bait - 1);
        }
    }
    if (g.ActionState == Action::Cast || g.ActionState == Action::BaitLost) {
        m_seat.press(Control::Action, Mouse::Left);
    } else if (g.ActionState == Action::Strike && m_style != Style::NeverStrikes) {
        if (m_seat.floatLeftRest()) {
            ++strikes;
            m_seat.press(Control::Action, Mouse::Left);
        }
    } else if (g.ActionState == Action::Fight) {
        fight();
    }
}

bool Player::playGame(double limit)
{
    SimHost &host = m_seat.clock();
    const double end = host.now() + limit;
    const auto ended = [this] { return m_seat.play().state().ActionState == Action::End; };
    auto tick = std::make_shared<std::function<void()>>();
    std::weak_ptr<std::function<void()>> weak = tick;
    *tick = [this, weak, end, &host, ended] {
        auto self = weak.lock();
        if (!self || host.now() > end || ended())
            return;
        host.after(period, [self] { (*self)(); });
        look();
    };
    host.after(period, [tick] { (*tick)(); });
    host.runUntil(end, ended);
    return ended();
}

} // namespace nuyo
