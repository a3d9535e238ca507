#include "ranking/rankingreasons.h"

#include <cerrno>

namespace nuyo {

QString rankingReason(RankingReason reason)
{
    switch (reason) {
    case RankingReason::NotAFile:
        return QStringLiteral("ふつうの ファイルでは ありません");
    case RankingReason::LinkTargetGone:
        return QStringLiteral("リンク先の フォルダーが ありません");
    case RankingReason::InUse:
        return QStringLiteral("ほかの ゲームが 使って います");
    case RankingReason::Outranked:
        return QStringLiteral("ほかの ゲームの 成績で ５位から 外れました");
    case RankingReason::RefusedOverwrite:
        break;
    }
    return QStringLiteral("読めなかった ファイルは 上書きしません");
}

QString rankingReason(int error, FileAction action)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("ディスクに 空きが ありません");
    case EACCES:
    case EPERM:
        return action == FileAction::Read ? QStringLiteral("読み込みが 許可されて いません")
                                          : QStringLiteral("書き込みが 許可されて いません");
    case EROFS:
        return QStringLiteral("読み取り専用の 場所です");
    case EISDIR:
        return QStringLiteral("同じ名前の フォルダーが あります");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("フォルダーが ありません");
    case EFBIG:
        return QStringLiteral("ファイルの 大きさの 上限を 超えます");
    case ELOOP:
        return QStringLiteral("リンクが 輪に なって います");
    case EIO:
        return QStringLiteral("ディスクの 読み書きに 失敗しました");
    case EXDEV:
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("ファイルを 置き換えられません");
    case ENAMETOOLONG:
        return QStringLiteral("名前が 長すぎます");
    case ENOMEM:
        return QStringLiteral("メモリが 足りません");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("開いて いる ファイルが 多すぎます");
    case ENXIO:
    case ENODEV:
        return rankingReason(RankingReason::NotAFile);
    case EAGAIN:
        return rankingReason(RankingReason::InUse);
    default:
        return QStringLiteral("思わぬ エラーです（ 番号 %1 ）").arg(error);
    }
}

} // namespace nuyo
