#include "ranking/rankingreasons.h"

#include <QCoreApplication>

#include <cerrno>

namespace nuyo {

QString rankingReason(RankingReason reason)
{
    switch (reason) {
    case RankingReason::NotAFile:
        return QCoreApplication::translate("RankingReason", "ふつうの ファイルでは ありません");
    case RankingReason::LinkTargetGone:
        return QCoreApplication::translate("RankingReason", "リンク先の フォルダーが ありません");
    case RankingReason::InUse:
        return QCoreApplication::translate("RankingReason", "ほかの ゲームが 使って います");
    case RankingReason::Outranked:
        return QCoreApplication::translate("RankingReason", "ほかの ゲームの 成績で ５位から 外れました");
    case RankingReason::RefusedOverwrite:
        break;
    }
    return QCoreApplication::translate("RankingReason", "読めなかった ファイルは 上書きしません");
}

QString rankingReason(int error, FileAction action)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return QCoreApplication::translate("RankingReason", "ディスクに 空きが ありません");
    case EACCES:
    case EPERM:
        return action == FileAction::Read
                   ? QCoreApplication::translate("RankingReason", "読み込みが 許可されて いません")
                   : QCoreApplication::translate("RankingReason", "書き込みが 許可されて いません");
    case EROFS:
        return QCoreApplication::translate("RankingReason", "読み取り専用の 場所です");
    case EISDIR:
        return QCoreApplication::translate("RankingReason", "同じ名前の フォルダーが あります");
    case ENOENT:
    case ENOTDIR:
        return QCoreApplication::translate("RankingReason", "フォルダーが ありません");
    case EFBIG:
        return QCoreApplication::translate("RankingReason", "ファイルの 大きさの 上限を 超えます");
    case ELOOP:
        return QCoreApplication::translate("RankingReason", "リンクが 輪に なって います");
    case EIO:
        return QCoreApplication::translate("RankingReason", "ディスクの 読み書きに 失敗しました");
    case EXDEV:
    case EBUSY:
    case ETXTBSY:
        return QCoreApplication::translate("RankingReason", "ファイルを 置き換えられません");
    case ENAMETOOLONG:
        return QCoreApplication::translate("RankingReason", "名前が 長すぎます");
    case ENOMEM:
        return QCoreApplication::translate("RankingReason", "メモリが 足りません");
    case EMFILE:
    case ENFILE:
        return QCoreApplication::translate("RankingReason", "開いて いる ファイルが 多すぎます");
    case ENXIO:
    case ENODEV:
        return rankingReason(RankingReason::NotAFile);
    case EAGAIN:
        return rankingReason(RankingReason::InUse);
    default:
        return QCoreApplication::translate("RankingReason", "思わぬ エラーです（ 番号 %1 ）").arg(error);
    }
}

} // namespace nuyo
