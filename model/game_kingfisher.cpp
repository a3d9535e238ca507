// The kingfisher's surprises, frame by frame a tenth of a second apart: a pass over the scene
// and a visit to the whole window. The window takes no clicks meanwhile.
#include "model/game.h"
#include "model/scene.h"

#include <utility>

namespace nuyo {

void Game::birdAfter(double seconds, void (Game::*step)())
{
    scheduleInto(m_birdStep, seconds, [this, step] { (this->*step)(); });
}

void Game::birdDone()
{
    scene.setInputEnabled(true);
    if (auto done = std::exchange(m_birdThen, nullptr))
        done();
}

void Game::kingfisherPass(std::function<void()> then)
{
    m_birdThen = std::move(then);
    scene.setInputEnabled(false);
    scene.startPass();
    m_birdX = 288;
    m_birdY = 6;
    passFrame();
}

void Game::passFrame()
{
    // Nine frames, from the right edge of the scene to beyond its left.
    m_birdX -= 36;
    m_birdY += 3;
    scene.drawPassFrame(m_birdX, m_birdY);
    birdAfter(0.1, m_birdX > -12 ? &Game::passFrame : &Game::passEnd);
}

void Game::passEnd()
{
    scene.endPass();
    m_sounds.play(Sound::Chime);
    birdDone();
}

void Game::kingfisherVisit(std::function<void()> then)
{
    m_birdThen = std::move(then);
    scene.setInputEnabled(false);
    if (!scene.startVisit()) {
        scene.setInputEnabled(true);
        m_host.msgBox(QCoreApplication::translate("Game", "トラブル発生！　終了して下さい！"), MsgBox::Exclamation,
                      QCoreApplication::translate("Game", " 警告！"));
        birdDone();
        return;
    }
    birdAfter(1.0, &Game::visitTurn);
}

void Game::visitTurn()
{
    m_birdX = scene.turnVisit() - 26;
    m_birdY = 6;
    m_birdClip = 0;
    visitFrame();
}

void Game::visitFrame()
{
    // The bird flies off to the left, cut at the scene's left edge (x 32).
    m_birdX -= 42;
    m_birdY += 4;
    if (m_birdX < 32)
        m_birdClip = 32 - m_birdX;
    scene.drawVisitFrame(m_birdX, m_birdY, m_birdClip);
    birdAfter(0.1, m_birdX > 0 ? &Game::visitFrame : &Game::visitGone);
}

void Game::visitGone()
{
    scene.clearVisit();
    m_sounds.play(Sound::Chime);
    birdAfter(1.0, &Game::visitEnd);
}

void Game::visitEnd()
{
    scene.endVisit();
    birdDone();
}

} // namespace nuyo
