#include "windows/rankingwindow.h"

#include "layouts/fonts.h"
#include "layouts/layout.h"
#include "ranking/rankingtable.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QShowEvent>

namespace nuyo {

namespace {

const QColor Highlight(255, 255, 0);    // the new row, or a result that is not entered
const QColor OkBack(192, 192, 0);       // Command1 reading "ＯＫ"
const QColor RegisterBack(255, 128, 0); // Command1 reading "登録"
const QColor IndicatorOn(0, 128, 0);    // Label2 while results are ranked
const QColor IndicatorOff(192, 0, 0);   // Label2 while they are not

} // namespace

QString Form4::okCaption()
{
    return tr("ＯＫ");
}

QString Form4::registerCaption()
{
    return tr("登録");
}

QString Form4::registeredText()
{
    return tr("＜　登録完了！ ＞");
}

QString Form4::notSavedText()
{
    return tr("＜　保存できません！ ＞");
}

Form4::Form4(App &a) : QWidget(a.mainWidget(), Qt::Dialog | Qt::FramelessWindowHint), app(a), g(a.g)
{
    setAttribute(Qt::WA_QuitOnClose, false);
    controls = buildControls(this, form4Layout());
    for (int i = 0; i < int(Label1.size()); ++i)
        Label1[i] = control<TextLabel>(controls, "Label1", i);
    for (int i = 0; i < int(lblP.size()); ++i)
        lblP[i] = control<TextLabel>(controls, "lblP", i);
    Text1 = control<FilteredLineEdit>(controls, "Text1");
    Command1 = control<ColourButton>(controls, "Command1");
    Command2 = control<ColourButton>(controls, "Command2");
    Label2 = control<TextLabel>(controls, "Label2");
    Label3 = control<TextLabel>(controls, "Label3");
    Picture1 = control<PictureBox>(controls, "Picture1");
    Label2->keepClearOf(Command2); // the toggle stands in the indicator's gap

    Command2->setFocusPolicy(Qt::NoFocus); // a mouse control: Return never switches the ranking
    Text1->setMaxLength(8);
    Text1->keyFilter = [this](int code) { return Text1_KeyPress(code); };
    connect(Command1, &ColourButton::clicked, this, &Form4::Command1_Click);
    connect(Command2, &ColourButton::clicked, this, &Form4::Command2_Click);
}

void Form4::placeOverMainWindow()
{
    // 480 and 560 twips right of and below the main window's top-left corner.
    if (const QWidget *main = app.mainWidget())
        move(main->x() + px(480), main->y() + px(560));
}

void Form4::Form_Load()
{
    placeOverMainWindow();
    SetRankFonts();
}

void Form4::SetRankFonts()
{
    setFontPoints(Command1, g.FontSize14);
    setFontPoints(Text1, g.FontSize14);
    for (int i : {0, 1, 3, 4, 5, 6, 7})
        setFontPoints(Label1[i], g.FontSize12);
    setFontPoints(Label1[2], g.FontSize9);
    setFontPoints(Label1[8], g.FontSize11);
    setFontPoints(Label2, g.FontSize11);
    setFontPoints(Label3, g.FontSize36);
    for (TextLabel *row : lblP)
        setFontPoints(row, g.FontSize12);
}

void Form4::Form_Activate()
{
    placeOverMainWindow();

    if (g.RankOn == RankOn::ResultPending) {
        const QString result = ResultRow(g);
        if (g.RankingOff != RankingOff::Ranked) {
            lblP[5]->setText(PointsText(g.Points) + result);
            lblP[5]->setBackColor(Highlight);
        } else {
            // The main window has entered the result into the table (RankNo 5: not good enough).
            RankNo = g.RankNo;
            if (RankNo == 5) {
                lblP[5]->setText(PointsText(g.Points) + result);
            } else {
                Label1[7]->setVisible(false);
                lblP[5]->setVisible(false);
                Label1[8]->setVisible(true);
                Text1->setVisible(true);
                showButton(Button::Register);
            }
            lblP[RankNo]->setBackColor(Highlight);
        }
        Command2->setVisible(false); // no toggling while a result is on show
    }

    showRows();
    showToggleColours();

    // The name entry while a name is awaited, otherwise "ＯＫ": Return closes the window.
    if (Text1->isVisible())
        Text1->setFocus();
    else
        Command1->setFocus();
}

void Form4::showToggleColours()
{
    const bool off = g.RankingOff == RankingOff::NotRanked;
    Label2->setForeColor(off ? IndicatorOff : IndicatorOn);
    Command2->setBackColor(off ? Colour::NotRanked : Colour::Ranked);
}

void Form4::showButton(Button b)
{
    m_button = b;
    Command1->setBackColor(b == Button::Ok ? OkBack : RegisterBack);
    Command1->setText(b == Button::Ok ? okCaption() : registerCaption());
}

void Form4::Command1_Click()
{
    if (m_button == Button::Ok) {
        hide(); // unloads: App deletes the window once it has said so
        Q_EMIT closed();
        return;
    }
    if (RankNo < 0 || RankNo > 4)
        return;

    Text1->setVisible(false);
    // "Registered" only when the file really holds it; a failure was told in a message box.
    Label1[8]->setText(registerName(true) ? registeredText() : notSavedText());
    showButton(Button::Ok);
    Command1->setFocus();
}

bool Form4::registerName(bool tell)
{
    if (m_registered || m_button != Button::Register || RankNo < 0 || RankNo > 4)
        return false;
    m_registered = true; // once, also when the game is ended while the save's message is up
    QString name = Text1->text();
    if (name.isEmpty())
        name = NoName;
    // The name goes into the row as the file will give it back (a double quote becomes "＂").
    name = fileSafeText(name);
    lblP[RankNo]->setText(lblP[RankNo]->text() + name);
    Q_EMIT nameEntered(name, tell);
    // Another game sharing the file may have registered meanwhile: the table shows what was saved.
    if (g.RankSavedRow >= 0) {
        showRows();
        lblP[RankNo]->setBackColor(lblP[RankNo == 0 ? 1 : 0]->backColor());
        if (g.RankSavedRow < 5)
            lblP[g.RankSavedRow]->setBackColor(Highlight);
    }
    return g.RankingSaved;
}

void Form4::showRows()
{
    for (int row = 0; row < 5; ++row)
        lblP[row]->setText(PointsText(g.RankPoints[row]) + g.RankRecords[row]);
}

void Form4::Command2_Click()
{
    Q_EMIT toggleRequested();
    showToggleColours();
    Command1->setFocus();
}

int Form4::Text1_KeyPress(int KeyAscii)
{
    if (KeyAscii < 32) {
        if (KeyAscii == 13) {
            Command1_Click();
            return 0; // handled: Enter inserts nothing
        }
        return KeyAscii; // backspace and the other control keys
    }
    if (KeyAscii >= 97 && KeyAscii <= 122)
        return KeyAscii - 32; // upper case
    if (KeyAscii > 90)
        return 0; // discarded
    return KeyAscii;
}

void Form4::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    // Once per showing: a window manager's own show events (after a minimise) do not count.
    if (e->spontaneous() || m_activated)
        return;
    m_activated = true;
    Form_Activate();
}

void Form4::hideEvent(QHideEvent *e)
{
    QWidget::hideEvent(e);
    if (!e->spontaneous())
        m_activated = false;
}

void Form4::closeEvent(QCloseEvent *e)
{
    // The window closes only as "ＯＫ" does; while a name is awaited a close request is refused,
    // so that a pending result is never inserted a second time.
    e->ignore();
    if (m_button == Button::Ok)
        Command1_Click();
}

} // namespace nuyo
