#include "scoring/grades.h"

#include <QCoreApplication>

namespace nuyo {

QString gradeText(int bigLevel, int catches)
{
    if (bigLevel >= 3)
        return QCoreApplication::translate("Grades", "＜ 太公望！＞　あなたは天才です！");
    if (bigLevel == 2 || catches == 10)
        return QCoreApplication::translate("Grades", "＜ 名人！＞　次は「太公望！」！");
    if (bigLevel == 1 || catches == 9)
        return QCoreApplication::translate("Grades", "＜ 上級 ＞　アンタはうまい！");
    switch (catches) {
    case 8:
        return QCoreApplication::translate("Grades", "＜ 上級 ＞　よく やったね！");
    case 7:
        return QCoreApplication::translate("Grades", "＜ 中級 ＞　次は 上級！");
    case 6:
        return QCoreApplication::translate("Grades", "＜ 中級 ＞　まあまあ やね！");
    case 5:
        return QCoreApplication::translate("Grades", "＜ 中級 ＞　練習あるのみ！");
    case 4:
        return QCoreApplication::translate("Grades", "＜ 中級 ＞　辛抱が足らん！");
    default:
        break;
    }
    if (catches < 4)
        return QCoreApplication::translate("Grades", "＜ 初級 ＞　ヘタクソ！");
    return QCoreApplication::translate("Grades", "・・・・！");
}

} // namespace nuyo
