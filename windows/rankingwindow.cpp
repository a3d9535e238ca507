#include "windows/rankingwindow.h"

#include "layouts/fonts.h"
#include "layouts/layout.h"
#include "ranking/rankingtable.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QShowEvent>

namespace nuyo {

namespace {

const QColor Highlight(255, 255, 0);    // the new row, or a result that is not entered
const QColor OkBack(192, 192, 0);       // the OK button reading "ＯＫ"
const QColor RegisterBack(255, 128, 0); // the OK button reading "登録"
const QColor IndicatorOn(0, 128, 0);    // the toggle's indicator while results are ranked
const QColor IndicatorOff(192, 0, 0);   // the same, while they are not

} // namespace

QString RankingWindow::okCaption()
{
    return tr("ＯＫ");
}

QString RankingWindow::registerCaption()
{
    return tr("登録");
}

QString RankingWindow::giveUpCaption()
{
    return tr("あきらめる");
}

QString RankingWindow::registeredText()
{
    return tr("＜　登録完了！ ＞");
}

QString RankingWindow::notSavedText()
{
    return tr("＜　保存できません！ ＞");
}

QString RankingWindow::waitingText()
{
    return tr("＜ ファイル使用中： 待機 %1 秒 ＞");
}

RankingWindow::RankingWindow(const GameState &state, const DisplayFonts &fonts, QWidget *mainWindow)
    : QWidget(mainWindow, Qt::Dialog | Qt::FramelessWindowHint), g(state), m_fonts(fonts)
{
    setAttribute(Qt::WA_QuitOnClose, false);
    ui = buildRankingWindow(this);
    ui.toggleIndicator->keepClearOf(ui.rankingToggle); // the toggle stands in the indicator's gap

    ui.rankingToggle->setFocusPolicy(Qt::NoFocus); // a mouse control: Return never switches the ranking
    ui.nameEntry->setMaxLength(8);
    ui.nameEntry->keyFilter = [this](int code) { return filterNameKey(code); };
    for (TextLabel *row : ui.rows)
        row->describe = rowMeaning; // a screen reader hears each line with its columns' meaning
    connect(ui.okButton, &ColourButton::clicked, this, &RankingWindow::pressOk);
    connect(ui.rankingToggle, &ColourButton::clicked, this, &RankingWindow::pressToggle);
}

void RankingWindow::placeOverMainWindow()
{
    // 480 and 560 twips right of and below the main window's top-left corner.
    if (const QWidget *main = parentWidget())
        move(main->x() + px(480), main->y() + px(560));
}

void RankingWindow::place()
{
    placeOverMainWindow();
    setFonts();
}

void RankingWindow::setFonts()
{
    setFontPoints(ui.okButton, m_fonts.FontSize14);
    setFontPoints(ui.nameEntry, m_fonts.FontSize14);
    for (TextLabel *label : ui.rankNumbers)
        setFontPoints(label, m_fonts.FontSize12);
    setFontPoints(ui.title, m_fonts.FontSize12);
    setFontPoints(ui.resultRank, m_fonts.FontSize12);
    setFontPoints(ui.header, m_fonts.FontSize9);
    setFontPoints(ui.namePrompt, m_fonts.FontSize11);
    setFontPoints(ui.toggleIndicator, m_fonts.FontSize11);
    setFontPoints(ui.toggleMark, m_fonts.FontSize36);
    for (TextLabel *row : ui.rows)
        setFontPoints(row, m_fonts.FontSize12);
}

void RankingWindow::showTable()
{
    placeOverMainWindow();

    if (g.RankOn == RankOn::ResultPending) {
        const QString result = ResultRow(g);
        if (!g.RankResults) {
            ui.rows[5]->setText(PointsText(g.Points) + result);
            ui.rows[5]->setBackColor(Highlight);
        } else {
            // The main window has entered the result into the table (RankNo 5: not good enough).
            m_row = g.RankNo;
            if (m_row == 5) {
                ui.rows[5]->setText(PointsText(g.Points) + result);
            } else {
                ui.resultRank->setVisible(false);
                ui.rows[5]->setVisible(false);
                ui.namePrompt->setVisible(true);
                ui.nameEntry->setVisible(true);
                showButton(Button::Register);
            }
            ui.rows[m_row]->setBackColor(Highlight);
        }
        ui.rankingToggle->setVisible(false); // no toggling while a result is on show
    }

    showRows();
    showToggleColours();

    // The name entry while a name is awaited, otherwise "ＯＫ": Return closes the window.
    if (ui.nameEntry->isVisible())
        ui.nameEntry->setFocus();
    else
        ui.okButton->setFocus();
}

void RankingWindow::showToggleColours()
{
    const bool off = !g.RankResults;
    ui.toggleIndicator->setForeColor(off ? IndicatorOff : IndicatorOn);
    ui.rankingToggle->setBackColor(off ? Colour::NotRanked : Colour::Ranked);
}

void RankingWindow::showButton(Button b)
{
    m_button = b;
    ui.okButton->setBackColor(b == Button::Ok ? OkBack : RegisterBack);
    ui.okButton->setText(b == Button::Ok ? okCaption() : b == Button::Register ? registerCaption() : giveUpCaption());
}

void RankingWindow::pressOk()
{
    if (m_button == Button::Ok) {
        hide(); // unloads: App deletes the window once it has said so
        Q_EMIT closed();
        return;
    }
    if (m_button == Button::GiveUp) {
        Q_EMIT giveUpRequested();
        return;
    }
    if (m_row < 0 || m_row > 4)
        return;
    ui.nameEntry->setVisible(false);
    registerName(true); // a failure is told in a message box
}

void RankingWindow::registerName(bool tell)
{
    if (m_registered || m_button != Button::Register || m_row < 0 || m_row > 4)
        return;
    m_registered = true; // once, also when the game is ended while the save's message is up
    QString name = ui.nameEntry->text();
    if (name.isEmpty())
        name = NoName;
    // The name goes into the row as the file will give it back (a double quote becomes "＂").
    name = fileSafeText(name);
    ui.rows[m_row]->setText(ui.rows[m_row]->text() + name);
    Q_EMIT nameEntered(name, tell);
}

void RankingWindow::showWaiting()
{
    ui.namePrompt->setText(waitingText().arg(g.RankWaitSeconds));
    // Giving up is offered, never given the focus: a Return meant for the name cannot drop the result.
    if (g.RankGiveUpOffered && m_button != Button::GiveUp)
        showButton(Button::GiveUp);
    ui.okButton->setEnabled(g.RankGiveUpOffered);
}

void RankingWindow::showRegistration()
{
    // "Registered" only when the file really holds it; a failure was told in a message box.
    ui.namePrompt->setText(g.RankFiling == Filing::Saved ? registeredText() : notSavedText());
    // Another game sharing the file may have registered meanwhile: the table shows what was saved.
    if (g.RankSavedRow >= 0) {
        showRows();
        ui.rows[m_row]->setBackColor(ui.rows[m_row == 0 ? 1 : 0]->backColor());
        if (g.RankSavedRow < 5)
            ui.rows[g.RankSavedRow]->setBackColor(Highlight);
    }
    showButton(Button::Ok);
    ui.okButton->setEnabled(true);
    ui.okButton->setFocus();
}

void RankingWindow::showRows()
{
    for (int row = 0; row < 5; ++row)
        ui.rows[row]->setText(PointsText(g.RankPoints[row]) + g.RankRecords[row]);
}

void RankingWindow::pressToggle()
{
    Q_EMIT toggleRequested();
    showToggleColours();
    ui.okButton->setFocus();
}

int RankingWindow::filterNameKey(int code)
{
    if (code < 32) {
        if (code == 13) {
            pressOk();
            return 0; // handled: Enter inserts nothing
        }
        return code; // backspace and the other control keys
    }
    if (code >= 97 && code <= 122)
        return code - 32; // upper case
    if (code > 90)
        return 0; // discarded
    return code;
}

void RankingWindow::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    // Once per showing: a window manager's own show events (after a minimise) do not count.
    if (e->spontaneous() || m_activated)
        return;
    m_activated = true;
    showTable();
}

void RankingWindow::hideEvent(QHideEvent *e)
{
    QWidget::hideEvent(e);
    if (!e->spontaneous())
        m_activated = false;
}

void RankingWindow::closeEvent(QCloseEvent *e)
{
    // The window closes only as "ＯＫ" does; while a name is awaited a close request is refused,
    // so that a pending result is never inserted a second time.
    e->ignore();
    if (m_button == Button::Ok)
        pressOk();
}

void RankingWindow::keyPressEvent(QKeyEvent *e)
{
    // Escape closes the window as "ＯＫ" does; in the name entry it leaves the entry as "登録"
    // does, so the result is kept under the name typed so far (or "- - -").
    if (e->key() == Qt::Key_Escape && !e->isAutoRepeat())
        ui.okButton->press(1);
    else
        QWidget::keyPressEvent(e);
}

} // namespace nuyo
