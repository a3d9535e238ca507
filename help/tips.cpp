#include "help/tips.h"

#include <QCoreApplication>

namespace nuyo {

namespace {
const int ControlsTip = 7;
}

QString tipText(int index, bool keys)
{
    if (keys && index == ControlsTip)
        return QCoreApplication::translate("Tips", " * スペース --- 振り込み・合わせ\r\n"
                                                   "   ← → --- 引き寄せる・糸を送る\r\n\r\n"
                                                   " * １ ２ ３ --- エサ合わせ　　Ｆ --- ウキ巾\r\n\r\n"
                                                   " * Ｈ --- ワンポイント表示\r\n"
                                                   "   Shift＋Ｈ --- 数字送り\r\n\r\n"
                                                   " * Ｐ --- 一時停止　　Ｍ --- 音を消す\r\n\r\n"
                                                   " * 臨時終了は Ctrl＋Ｑ　　");
    static const char *const tips[TipCount] = {
        QT_TRANSLATE_NOOP("Tips", "　自然を 大切に！　　　"),
        QT_TRANSLATE_NOOP("Tips", " * 空アワセ ----- 食いアタリではありません。\r\n\r\n"
                                  " * スレアタリ ---- エサ合わせが合っていないので食いません。 　\r\n\r\n"
                                  " * ハリス切れ --- ぬよの引きが強いので糸が切れました。"),
        QT_TRANSLATE_NOOP("Tips", "　ゴミは 持ち帰ろう！　　　"),
        QT_TRANSLATE_NOOP("Tips", "　* 硬めは 食い上げアタリ\r\n"
                                  "　　 　　（ ウキが上がる ）\r\n\r\n"
                                  "　* 柔らかめは 肩アタリ\r\n"
                                  "　　 　　（ ウキが斜めに下がる ）　　\r\n\r\n"
                                  "　* ６０㎝は 消し込みアタリ\r\n"
                                  "　　 　　（ ウキが完全に潜る ）"),
        QT_TRANSLATE_NOOP("Tips", "　釣魚は リリース！　　　"),
        QT_TRANSLATE_NOOP("Tips", "　＜ 尺半上      　 (50cm以上)　＞　　　\r\n\r\n"
                                  "　＜ 名人　　　　 　６０㎝ (弐尺)　＞\r\n\r\n"
                                  "　＜ 太公望　(60cmを２尾以上)　＞"),
        QT_TRANSLATE_NOOP("Tips", "　伸ばした 竿の先に 注意！　　　"),
        QT_TRANSLATE_NOOP("Tips", " * 「ウキ：」の下の黒枠内を\r\n"
                                  "    　  クリック --- ウキ巾を変える\r\n\r\n"
                                  " * 「ワンポイント」を\r\n"
                                  "   　   左クリック --- 表示\r\n"
                                  "   　   右クリック --- 数字送り\r\n\r\n"
                                  " * 臨時終了はタイトルバー「×」クリック　　"),
        QT_TRANSLATE_NOOP("Tips", "　あっ！ カワセミ だ！　　　"),
    };
    if (index < 0 || index >= TipCount)
        return QString();
    return QCoreApplication::translate("Tips", tips[index]);
}

} // namespace nuyo
